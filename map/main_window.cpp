#include "map/main_window.h"

#include <array>

#include "map/main_window_handlers.h"
#include "resources/images.h"

namespace tolvane {
namespace {

constexpr ColourRef kMaskOutline = Rgb(240, 240, 240);

constexpr ControlDescription EditBox(std::string_view name, int left, int top, int tabOrder,
                                     std::string_view accessibleName) {
  return {.kind = ControlKind::EditBox,
          .name = name,
          .left = left,
          .top = top,
          .width = 112,
          .height = 32,
          .tabOrder = tabOrder,
          .accessibleName = accessibleName};
}

constexpr ControlDescription Bar(std::string_view name, int left, int top) {
  return {.kind = ControlKind::ShapeBox,
          .name = name,
          .left = left,
          .top = top,
          .width = 48,
          .height = 2,
          .lineWidth = 1,
          .lineColour = kBlack,
          .filled = true,
          .fillColour = kBlack};
}

constexpr ControlDescription Bracket(std::string_view name, int left, int top, int width,
                                     int height) {
  return {.kind = ControlKind::ShapeBox,
          .name = name,
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .lineWidth = 2,
          .lineColour = kBlack};
}

constexpr ControlDescription Mask(std::string_view name, int left, int top,
                                  std::string_view parent) {
  return {.kind = ControlKind::ShapeBox,
          .name = name,
          .left = left,
          .top = top,
          .width = 96,
          .height = 40,
          .parent = parent,
          .lineWidth = 0,
          .lineColour = kMaskOutline};
}

// Topmost first. The masks hide the brackets' right edges between the fields,
// which is what turns two rectangles into a trunk with three branches.
constexpr std::array kControls{
    EditBox("EditBox7", 368, 171, 7, "Branch 3, node 2"),
    Bar("ShapeBox8", 319, 186),
    EditBox("EditBox6", 368, 103, 6, "Branch 2, node 2"),
    Bar("ShapeBox7", 319, 118),
    EditBox("EditBox5", 208, 172, 5, "Branch 3, node 1"),
    Mask("ShapeBox6", 208, 135, {}),
    EditBox("EditBox4", 368, 32, 4, "Branch 1, node 2"),
    Bar("ShapeBox4", 319, 47),
    EditBox("EditBox3", 208, 103, 3, "Branch 2, node 1"),
    EditBox("EditBox2", 208, 32, 2, "Branch 1, node 1"),
    Mask("ShapeBox3", 64, 17, "ShapeBox2"),
    Bracket("ShapeBox2", 152, 47, 88, 72),
    Bar("ShapeBox1", 128, 47),
    EditBox("EditBox1", 16, 32, 1, "Root"),
    Bracket("ShapeBox5", 152, 117, 72, 72),
};

constexpr std::array kMenu{
    MenuItemDescription{0, "Files(&F)", MenuItemKind::DropDown, {}},
    MenuItemDescription{1, "Export", MenuItemKind::SubMenu, {}},
    MenuItemDescription{2, "Image", MenuItemKind::Command, "Image"},
    MenuItemDescription{1, "Exit", MenuItemKind::Command, "Exit"},
    MenuItemDescription{0, "Help(&H)", MenuItemKind::DropDown, {}},
    MenuItemDescription{1, "About", MenuItemKind::Command, "About"},
};

constexpr std::array kEvents{
    EventBinding{WindowEvent::Created, {}, &OnMainWindowCreated},
    EventBinding{WindowEvent::WillBeDestroyed, {}, &OnMainWindowWillBeDestroyed},
    EventBinding{WindowEvent::MenuChosen, "Image", &OnImageChosen},
    EventBinding{WindowEvent::MenuChosen, "Exit", &OnExitChosen},
    EventBinding{WindowEvent::MenuChosen, "About", &OnAboutChosen},
};

}  // namespace

const WindowDescription MainWindow{
    .name = "MainWindow",
    .title = "Tolvane (Pre-Alpha 1.0.0.0)",
    .outerWidth = 502,
    .outerHeight = 283,
    .contentWidth = 480,
    .contentHeight = 204,
    .frame = FrameStyle::Fixed,
    .escCloses = false,
    .menu = kMenu,
    .controls = kControls,
    .events = kEvents,
    .iconImages = resources::IconImages(),
};

}  // namespace tolvane
