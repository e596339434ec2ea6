// A decoded picture in the byte order the window system and the BMP encoder
// both want, so no step between them has to reorder samples.
#pragma once

#include <cstdint>
#include <vector>

namespace tolvane {

// A picture as 8-bit samples blue, green, red, alpha; rows top-down, exactly
// 4 * width bytes each.
struct BgraImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  bool empty() const { return width <= 0 || height <= 0 || pixels.empty(); }
};

}  // namespace tolvane
