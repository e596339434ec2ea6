// The BMP file image that an export writes: a 24-bit device-independent
// bitmap behind the 14-byte file header.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/picture/bgra_image.h"

namespace tolvane {

// A 24-bit device-independent bitmap: the 40-byte info header (biSize 40,
// width, positive height, planes 1, 24 bits, BI_RGB, biSizeImage = S*H, rest
// 0) and H bottom-up rows of W pixels blue, green, red, each padded with zero
// bytes to S = ((W*24+31)/32)*4. Empty result for an empty image.
std::vector<std::uint8_t> MakeDib24(const BgraImage& topDownPicture);

// The whole file image of a picture, the same bytes as
// EncodeBmpFile(MakeDib24(picture)) made in one buffer without the copy
// between them. Empty result for an empty image.
std::vector<std::uint8_t> MakeBmpFile(const BgraImage& topDownPicture);

// The 14-byte file header ("BM", bfSize = 14 + dib length, reserved 0,
// bfOffBits = 14 + biSize + 4*C with C = 2^biBitCount when biBitCount <= 8
// else 0) followed by the dib's bytes. Empty result for a dib shorter than 40
// bytes.
std::vector<std::uint8_t> EncodeBmpFile(std::span<const std::uint8_t> dib);

}  // namespace tolvane
