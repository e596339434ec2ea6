// Turns the bytes of a PNG file into a BgraImage.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/picture/bgra_image.h"

namespace tolvane {

// Larger pictures are refused as damaged: libpng accepts sides of up to a
// million pixels, which would ask for terabytes.
inline constexpr int kLargestPngSide = 16384;
inline constexpr long long kLargestPngPixelCount = 1LL << 26;

// Straight (not premultiplied) alpha, no background applied. Data of 7 bytes
// or fewer, a wrong signature, damaged data or a picture too large to hold all
// give nothing.
std::optional<BgraImage> DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace tolvane
