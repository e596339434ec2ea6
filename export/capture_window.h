// Takes a picture of a whole window as the screen shows it, frame and menu
// bar included, as a BMP file image.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/live_window.h"

namespace tolvane {

// The picture resized to the resolved size when that differs from the
// window's; empty on any failure.
std::vector<std::uint8_t> CaptureWindow(WindowHandle window, int requestedWidth,
                                        int requestedHeight);

}  // namespace tolvane
