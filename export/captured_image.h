// The last picture of the main window, as a complete BMP file image; empty
// until the first capture and after a failed one.
#pragma once

#include <cstdint>
#include <vector>

namespace tolvane {

const std::vector<std::uint8_t>& CapturedImage();
// Keeps `image` (possibly empty) and releases the previous picture.
void ReplaceCapturedImage(std::vector<std::uint8_t> image);
// The exit handler: releases the picture if there is one.
void ReleaseCapturedImage();

}  // namespace tolvane
