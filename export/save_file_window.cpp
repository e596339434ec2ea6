#include "export/save_file_window.h"

#include <array>

#include "export/save_file_handlers.h"

namespace tolvane {
namespace {

// Topmost first. The dialog component has no look of its own.
constexpr std::array kControls{
    ControlDescription{.kind = ControlKind::CommonDlg,
                       .name = "CommonDlg1",
                       .left = 448,
                       .top = 160,
                       .width = 26,
                       .height = 26},
    ControlDescription{.kind = ControlKind::Button,
                       .name = "Button1",
                       .left = 448,
                       .top = 216,
                       .width = 48,
                       .height = 24,
                       .text = "Save",
                       .tabOrder = 1},
    ControlDescription{.kind = ControlKind::PicBox,
                       .name = "PicBox1",
                       .left = 8,
                       .top = 8,
                       .width = 432,
                       .height = 240},
};

constexpr std::array kEvents{
    EventBinding{WindowEvent::Created, {}, &OnSaveFileWindowCreated},
    EventBinding{WindowEvent::ButtonClicked, "Button1", &OnSaveClicked},
};

}  // namespace

const WindowDescription SaveFileWindow{
    .name = "SaveFileWindow",
    .title = "Save File",
    .outerWidth = 509,
    .outerHeight = 277,
    .contentWidth = 496,
    .contentHeight = 248,
    .frame = FrameStyle::FixedDialog,
    .escCloses = false,
    .controls = kControls,
    .events = kEvents,
};

}  // namespace tolvane
