#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "platform/picture/png_decode.h"
#include "resources/images.h"

namespace tolvane::resources {
namespace {

TEST(IconImages, FiveSquaresSmallestFirst) {
  constexpr std::array<int, 5> kSizes = {16, 24, 32, 64, 256};
  const auto images = IconImages();
  ASSERT_EQ(images.size(), kSizes.size());
  for (std::size_t at = 0; at < kSizes.size(); ++at) {
    const auto picture = DecodePng(images[at]);
    ASSERT_TRUE(picture.has_value()) << kSizes[at];
    EXPECT_EQ(picture->width, kSizes[at]);
    EXPECT_EQ(picture->height, kSizes[at]);
    // Softened corner, solid middle.
    EXPECT_LT(picture->pixels[3], 255) << kSizes[at];
    const std::size_t half = kSizes[at] / 2;
    const std::size_t middle = 4 * (half * kSizes[at] + half);
    EXPECT_EQ(picture->pixels[middle + 3], 255) << kSizes[at];
  }
}

TEST(IconImages, LargestIsTheLogo) {
  const auto images = IconImages();
  ASSERT_FALSE(images.empty());
  EXPECT_TRUE(std::ranges::equal(images.back(), LogoPng()));
}

}  // namespace
}  // namespace tolvane::resources
