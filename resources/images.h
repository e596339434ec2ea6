// The program's pictures, embedded in the executable as PNG files.
#pragma once

#include <cstdint>
#include <span>

namespace tolvane::resources {

// The product logo: 256 x 256 pixels, RGBA, with softened corners.
std::span<const std::uint8_t> LogoPng();

// The window icon's images, smallest first: 16, 24, 32, 64, 256.
std::span<const std::span<const std::uint8_t>> IconImages();

}  // namespace tolvane::resources
