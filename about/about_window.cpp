#include "about/about_window.h"

#include <array>

#include "app/frame.h"
#include "resources/images.h"

namespace tolvane {
namespace {

void OnOkClicked(LiveWindow&) { ScheduleDestroy(AboutWindow); }

// Topmost first: the logo is drawn over the credit text where they overlap.
const std::array kControls{
    ControlDescription{.kind = ControlKind::PicBox,
                       .name = "PicBox1",
                       .left = 6,
                       .top = 132,
                       .width = 49,
                       .height = 51,
                       .picture = resources::LogoPng()},
    ControlDescription{.kind = ControlKind::Button,
                       .name = "Button1",
                       .left = 120,
                       .top = 152,
                       .width = 40,
                       .height = 24,
                       .text = "OK",
                       .tabOrder = 1},
    ControlDescription{.kind = ControlKind::Label,
                       .name = "Label2",
                       .left = 8,
                       .top = 72,
                       .width = 160,
                       .height = 72,
                       .text = "Pre-Alpha 1.0.0.0\r\nBy Kelvorn\r\nTip:\r\nThis software is \r\n"
                               "free software"},
    ControlDescription{.kind = ControlKind::Label,
                       .name = "Label1",
                       .left = 8,
                       .top = 8,
                       .width = 160,
                       .height = 56,
                       .text = "Tolvane",
                       .singleLine = true,
                       .font = {.face = "微软雅黑", .pixelHeight = 29, .weight = 400}},
};

constexpr std::array kEvents{
    EventBinding{WindowEvent::ButtonClicked, "Button1", &OnOkClicked},
};

}  // namespace

const WindowDescription AboutWindow{
    .name = "AboutWindow",
    .title = "About",
    .outerWidth = 179,
    .outerHeight = 214,
    .contentWidth = 168,
    .contentHeight = 183,
    .frame = FrameStyle::ToolWindow,
    .escCloses = true,
    .controls = kControls,
    .events = kEvents,
};

}  // namespace tolvane
