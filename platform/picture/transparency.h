// Flattens a picture with partial transparency onto a solid background, the
// way the About window's picture box shows its logo.
#pragma once

#include <cstdint>

#include "platform/picture/bgra_image.h"

namespace tolvane {

// One sample over the background: c * (a * k) + b * (1 - a * k), k = 1/255
// held as a float, the products in extended precision (long double),
// truncated toward zero, clamped to 0..255.
std::uint8_t BlendSample(std::uint8_t sample, std::uint8_t alpha, std::uint8_t background);

// Resolves every pixel with alpha below 255 against the background (blue,
// green, red); alpha bytes unchanged.
void ResolveTransparency(BgraImage& image, std::uint8_t blue, std::uint8_t green, std::uint8_t red);

}  // namespace tolvane
