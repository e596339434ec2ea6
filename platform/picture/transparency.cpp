#include "platform/picture/transparency.h"

#include <algorithm>
#include <cstddef>

namespace tolvane {
namespace {

// Single precision on purpose: its value lies a little above 1/255, and the
// shown colours depend on exactly this value.
constexpr float kAlphaScale = 1.0f / 255.0f;
constexpr std::uint8_t kOpaque = 255;

}  // namespace

std::uint8_t BlendSample(std::uint8_t sample, std::uint8_t alpha, std::uint8_t background) {
  const long double weight = static_cast<long double>(alpha) * kAlphaScale;
  const long double blended = sample * weight + background * (1.0L - weight);
  const auto truncated = static_cast<long long>(blended);
  return static_cast<std::uint8_t>(std::clamp(truncated, 0LL, 255LL));
}

void ResolveTransparency(BgraImage& image, std::uint8_t blue, std::uint8_t green,
                         std::uint8_t red) {
  for (std::size_t at = 0; at + 3 < image.pixels.size(); at += 4) {
    std::uint8_t* pixel = image.pixels.data() + at;
    const std::uint8_t alpha = pixel[3];
    if (alpha == kOpaque) continue;
    pixel[0] = BlendSample(pixel[0], alpha, blue);
    pixel[1] = BlendSample(pixel[1], alpha, green);
    pixel[2] = BlendSample(pixel[2], alpha, red);
  }
}

}  // namespace tolvane
