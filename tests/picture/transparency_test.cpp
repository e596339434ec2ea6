#include "platform/picture/transparency.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {
namespace {

struct BlendCase {
  const char* name;
  std::uint8_t sample;
  std::uint8_t alpha;
  std::uint8_t background;
  std::uint8_t expected;
};

// The single-precision 1/255 lies slightly above the true value: an opaque
// sample over a lighter background and faint alphas over a bright one lose
// a step that exact arithmetic or rounding would keep.
constexpr BlendCase kBlendCases[] = {
    {"transparent gives the background", 10, 0, 200, 200},
    {"transparent over white", 255, 0, 255, 255},
    {"opaque over a darker background", 77, 255, 30, 77},
    {"opaque white over black", 255, 255, 0, 255},
    {"half black over face grey truncates 119.53", 0, 128, 240, 119},
    {"quarter alpha truncates 87.65", 200, 64, 50, 87},
    {"fifth alpha truncates 25.6", 128, 51, 0, 25},
    {"faint black over white is 253.99999994", 0, 1, 255, 253},
    {"faint black over grey is 83.99999994", 0, 3, 85, 83},
    {"opaque over a lighter background is 99.999994", 100, 255, 200, 99},
    {"almost opaque black over white is 0.99998", 0, 254, 255, 0},
    {"half white over black is 128.0000076", 255, 128, 0, 128},
};

class BlendSampleTest : public testing::TestWithParam<BlendCase> {};

TEST_P(BlendSampleTest, MatchesTheTable) {
  const BlendCase& row = GetParam();
  EXPECT_EQ(BlendSample(row.sample, row.alpha, row.background), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BlendSampleTest, testing::ValuesIn(kBlendCases),
                         [](const testing::TestParamInfo<BlendCase>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

// Four pixels: transparent, half, almost opaque and opaque; the background's
// components differ so a mixed-up channel order shows. Blending the opaque
// pixel would turn its blue 100 into 99, so it must be left alone.
TEST(ResolveTransparency, BlendsEachChannelWithItsOwnComponentAndKeepsAlpha) {
  BgraImage image{4,
                  1,
                  {
                      10,
                      20,
                      30,
                      0,
                      0,
                      255,
                      100,
                      128,
                      40,
                      50,
                      60,
                      254,
                      100,
                      100,
                      100,
                      255,
                  }};
  ResolveTransparency(image, /*blue=*/200, /*green=*/100, /*red=*/50);
  const std::vector<std::uint8_t> expected = {
      200, 100, 50, 0, 99, 177, 75, 128, 40, 50, 59, 254, 100, 100, 100, 255,
  };
  EXPECT_EQ(image.pixels, expected);
}

}  // namespace
}  // namespace tolvane
