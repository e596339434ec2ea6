// The one-pass BMP encoder against a plain byte-by-byte writing of the
// format, at widths that end the fast pixel copy at every point of its
// blocks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "export/bmp_file.h"

namespace tolvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

BgraImage Pattern(int width, int height) {
  BgraImage picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.insert(picture.pixels.end(),
                            {std::uint8_t(x * 7 + y), std::uint8_t(y * 13 + 1),
                             std::uint8_t(255 - x), std::uint8_t(0xA5)});
    }
  }
  return picture;
}

void PutLe(Bytes& out, std::uint32_t value, int size) {
  for (int byte = 0; byte < size; ++byte) out.push_back(std::uint8_t(value >> (8 * byte)));
}

// The file as its layout describes it, one field and one byte at a time.
Bytes ReferenceFile(const BgraImage& picture) {
  const std::uint32_t stride = (std::uint32_t(picture.width) * 3 + 3) / 4 * 4;
  const std::uint32_t imageSize = stride * std::uint32_t(picture.height);
  Bytes file = {'B', 'M'};
  PutLe(file, 54 + imageSize, 4);
  PutLe(file, 0, 4);
  PutLe(file, 54, 4);
  PutLe(file, 40, 4);
  PutLe(file, std::uint32_t(picture.width), 4);
  PutLe(file, std::uint32_t(picture.height), 4);
  PutLe(file, 1, 2);
  PutLe(file, 24, 2);
  for (std::uint32_t field : {0u, imageSize, 0u, 0u, 0u, 0u}) PutLe(file, field, 4);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::size_t at = 4 * (std::size_t(y) * picture.width + x);
      file.insert(file.end(), picture.pixels.begin() + at, picture.pixels.begin() + at + 3);
    }
    file.resize(file.size() + stride - 3 * picture.width, 0);
  }
  return file;
}

class BmpFileTest : public ::testing::TestWithParam<int> {};

TEST_P(BmpFileTest, OnePassFileEqualsTheLayoutByteForByte) {
  for (int height : {1, 3}) {
    const BgraImage picture = Pattern(GetParam(), height);
    const Bytes expected = ReferenceFile(picture);
    // Compared as a whole so that a failure does not list every byte.
    EXPECT_TRUE(MakeBmpFile(picture) == expected) << "height " << height;
    EXPECT_TRUE(EncodeBmpFile(MakeDib24(picture)) == expected) << "height " << height;
  }
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpFileTest,
                         ::testing::Values(1, 2, 3, 4, 5, 7, 15, 16, 17, 31, 32, 33, 63, 64, 65,
                                           502),
                         [](const auto& info) { return "width" + std::to_string(info.param); });

TEST(MakeBmpFile, PictureWithoutPixelsGivesNothing) {
  EXPECT_TRUE(MakeBmpFile(BgraImage{}).empty());
  EXPECT_TRUE(MakeBmpFile(BgraImage{0, 5, {}}).empty());
  BgraImage shortOfPixels = Pattern(4, 3);
  shortOfPixels.pixels.resize(shortOfPixels.pixels.size() - 4);
  EXPECT_TRUE(MakeBmpFile(shortOfPixels).empty());
}

}  // namespace
}  // namespace tolvane
