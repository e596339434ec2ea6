// One window of the program while it exists on the screen, as the frame and
// the handlers see it: its controls' texts and pictures, its state and place.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/save_dialog_settings.h"
#include "platform/window_description.h"

namespace tolvane {

// Identifies a native window for as long as it exists; 0 is no window.
using WindowHandle = std::uintptr_t;

struct OuterRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class LiveWindow {
 public:
  LiveWindow() = default;
  LiveWindow(const LiveWindow&) = delete;
  LiveWindow& operator=(const LiveWindow&) = delete;
  virtual ~LiveWindow() = default;

  virtual const WindowDescription& Description() const = 0;
  virtual WindowHandle Handle() const = 0;

  // A control's text as bytes of the system code page (UTF-8 here). Bytes set
  // by SetText come back unchanged while the user has not edited the control,
  // even when they are not valid UTF-8.
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, std::string_view text) = 0;
  // Gives a picture box its own copy of the picture bytes (BMP or PNG).
  virtual void SetPicture(std::string_view control, std::span<const std::uint8_t> bytes) = 0;

  // The settings of a CommonDlg component; they live as long as the window.
  virtual SaveDialogSettings& CommonDialog(std::string_view control) = 0;

  // Places the window by its outer rectangle (centred, as the frame decides)
  // and makes it visible.
  virtual void Show() = 0;
  // Restores the window when minimised, otherwise brings it to the front.
  virtual void Activate() = 0;
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // The outer rectangle as the screen shows it, frame included where the
  // platform reports one.
  virtual OuterRect OuterGeometry() const = 0;
};

}  // namespace tolvane
