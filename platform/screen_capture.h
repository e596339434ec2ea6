// Pixels of windows as the screen shows them.
#pragma once

#include <optional>

#include "platform/live_window.h"
#include "platform/picture/bgra_image.h"

namespace tolvane {

// The window's whole outer rectangle, frame, caption and menu bar included,
// in device pixels, fully opaque; nothing when the handle is no live window.
std::optional<BgraImage> CaptureWindowPixels(WindowHandle window);
// The picture stretched to width x height, smoothly or by dropping and
// repeating pixels; nothing when a size is not positive.
std::optional<BgraImage> StretchPicture(const BgraImage& picture, int width, int height,
                                        bool smooth);
// Whether the display shows more than 16 bits per pixel, which is when
// stretching is smooth.
bool DisplayDeeperThan16Bits();

}  // namespace tolvane
