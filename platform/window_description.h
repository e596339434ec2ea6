// The read-only description of one program window: its frame, its menu tree,
// its controls in stacking order and the handlers bound to its events. Each
// window of the program is one constant of this type; the window system turns
// it into real widgets, and nothing else in the program builds widgets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tolvane {

class LiveWindow;

// 0x00BBGGRR, red in the lowest byte, as the stored colour values are written.
using ColourRef = std::uint32_t;
// Stands for the platform's dialog face colour, resolved when it is used.
inline constexpr ColourRef kFaceColour = 0xff000000u;
inline constexpr ColourRef kBlack = 0x00000000u;
inline constexpr ColourRef kWhite = 0x00ffffffu;

constexpr ColourRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return ColourRef{red} | (ColourRef{green} << 8) | (ColourRef{blue} << 16);
}

enum class ControlKind { EditBox, ShapeBox, PicBox, Label, Button, CommonDlg };

enum class TextAlign { Left, Centre };

struct FontDescription {
  std::string_view face{};  // empty: the default GUI font
  int pixelHeight = 0;      // character height in pixels; 0 with an empty face
  int weight = 400;
};

// One control. Places are relative to the parent's client area: the window's,
// or the ShapeBox named in `parent`.
struct ControlDescription {
  ControlKind kind;
  std::string_view name{};
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string_view text{};    // initial text or caption
  std::string_view parent{};  // empty: the window itself
  int tabOrder = 0;           // place in the Tab order from 1; 0 takes no focus
  // ShapeBox: the rectangle's pen width, pen colour and fill.
  int lineWidth = 1;
  ColourRef lineColour = kBlack;
  bool filled = false;
  ColourRef fillColour = kBlack;
  // Background of shapes, labels and picture boxes.
  ColourRef background = kFaceColour;
  // Label: vertical centring on one line, or word-wrapped from the top.
  bool singleLine = false;
  FontDescription font{};
  // PicBox: the picture bytes stored with the description (PNG or BMP).
  std::span<const std::uint8_t> picture{};
  // EditBox: accessible name, so a screen reader can tell the fields apart.
  std::string_view accessibleName{};
};

enum class MenuItemKind { DropDown, SubMenu, Command };

// A menu tree flattened in reading order; `level` 0 is the menu bar.
struct MenuItemDescription {
  int level;
  std::string_view text{};
  MenuItemKind kind;
  std::string_view name{};  // the command's name, for binding handlers
};

enum class WindowEvent { Created, WillBeDestroyed, MenuChosen, ButtonClicked };

using WindowHandler = void (*)(LiveWindow& window);

struct EventBinding {
  WindowEvent event;
  std::string_view source{};  // the menu command or button; empty for window events
  WindowHandler handler;
};

enum class FrameStyle {
  Fixed,        // caption, system menu, minimise and close; no sizing, no maximise
  FixedDialog,  // caption and close box only
  ToolWindow,   // short caption with only the close box, no taskbar button
};

struct WindowDescription {
  std::string_view name{};
  std::string_view title{};
  int outerWidth;
  int outerHeight;
  // The content's extent in client coordinates: the client area is never
  // made smaller than this, whatever the window manager's frame takes.
  int contentWidth;
  int contentHeight;
  FrameStyle frame;
  bool escCloses;
  bool visible = true;
  std::span<const MenuItemDescription> menu{};
  std::span<const ControlDescription> controls{};  // topmost first
  std::span<const EventBinding> events{};
  // The window icon's images, PNG each, smallest first; empty for none.
  std::span<const std::span<const std::uint8_t>> iconImages{};
};

}  // namespace tolvane
