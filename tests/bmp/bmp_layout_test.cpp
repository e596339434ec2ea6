#include "export/bmp_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace tolvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Le(const Bytes& bytes, std::size_t offset, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t byte = 0; byte < size; ++byte) {
    value |= std::uint32_t{bytes.at(offset + byte)} << (8 * byte);
  }
  return value;
}

std::uint8_t Blue(int x, int y) { return static_cast<std::uint8_t>(x * 7 + y); }
std::uint8_t Green(int x, int y) { return static_cast<std::uint8_t>(y * 3 + 1 + x / 256); }
std::uint8_t Red(int x, int y) { return static_cast<std::uint8_t>(255 - x - y); }

BgraImage Pattern(int width, int height) {
  BgraImage picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.insert(picture.pixels.end(), {Blue(x, y), Green(x, y), Red(x, y), 0x55});
    }
  }
  return picture;
}

Bytes EncodePicture(const BgraImage& picture) { return EncodeBmpFile(MakeDib24(picture)); }

struct WidthRow {
  int width;
  std::size_t rowLength;  // 3 * width raised to a multiple of 4
};

constexpr WidthRow kWidths[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {502, 1508}};

class BmpLayoutTest : public testing::TestWithParam<std::tuple<WidthRow, int>> {};

TEST_P(BmpLayoutTest, HeadersMatchTheSize) {
  const auto [row, height] = GetParam();
  const Bytes file = EncodePicture(Pattern(row.width, height));
  const std::size_t imageSize = row.rowLength * height;
  ASSERT_EQ(file.size(), 54 + imageSize);

  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(Le(file, 2, 4), file.size());
  EXPECT_EQ(Le(file, 6, 4), 0u);  // both reserved fields
  EXPECT_EQ(Le(file, 10, 4), 54u);
  EXPECT_EQ(Le(file, 14, 4), 40u);
  EXPECT_EQ(Le(file, 18, 4), static_cast<std::uint32_t>(row.width));
  EXPECT_EQ(Le(file, 22, 4), static_cast<std::uint32_t>(height));
  EXPECT_EQ(Le(file, 26, 2), 1u);
  EXPECT_EQ(Le(file, 28, 2), 24u);
  EXPECT_EQ(Le(file, 30, 4), 0u);
  EXPECT_EQ(Le(file, 34, 4), imageSize);
  for (std::size_t at = 38; at < 54; ++at) EXPECT_EQ(file[at], 0) << "header byte " << at;
}

TEST_P(BmpLayoutTest, RowsRunBottomUpWithZeroPadding) {
  const auto [row, height] = GetParam();
  const Bytes file = EncodePicture(Pattern(row.width, height));
  ASSERT_EQ(file.size(), 54 + row.rowLength * height);
  for (int stored = 0; stored < height; ++stored) {
    const int y = height - 1 - stored;
    const std::size_t start = 54 + stored * row.rowLength;
    for (int x = 0; x < row.width; ++x) {
      const std::size_t at = start + 3 * static_cast<std::size_t>(x);
      ASSERT_EQ(file[at], Blue(x, y)) << x << "," << y;
      ASSERT_EQ(file[at + 1], Green(x, y)) << x << "," << y;
      ASSERT_EQ(file[at + 2], Red(x, y)) << x << "," << y;
    }
    for (std::size_t pad = start + 3 * row.width; pad < start + row.rowLength; ++pad) {
      ASSERT_EQ(file[pad], 0) << "pad byte of stored row " << stored;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpLayoutTest,
                         testing::Combine(testing::ValuesIn(kWidths), testing::Values(1, 283)),
                         [](const testing::TestParamInfo<std::tuple<WidthRow, int>>& info) {
                           return std::to_string(std::get<0>(info.param).width) + "x" +
                                  std::to_string(std::get<1>(info.param));
                         });

TEST(BmpFile, MainWindowCaptureHasTheKnownFileHeader) {
  const Bytes file = EncodePicture(Pattern(502, 283));
  ASSERT_EQ(file.size(), 426818u);
  EXPECT_EQ(Le(file, 34, 4), 426764u);
  const Bytes fileHeader(file.begin(), file.begin() + 14);
  EXPECT_EQ(fileHeader, (Bytes{0x42, 0x4D, 0x42, 0x83, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36,
                               0x00, 0x00, 0x00}));
}

TEST(BmpFile, EmptyPictureGivesNothing) {
  EXPECT_TRUE(MakeDib24(BgraImage{}).empty());
  EXPECT_TRUE(MakeDib24(BgraImage{0, 5, {}}).empty());
  EXPECT_TRUE(EncodeBmpFile(MakeDib24(BgraImage{})).empty());
}

// A bitmap whose pixels do not fill its stated size is refused rather than
// read past its end.
TEST(BmpFile, PictureWithTooFewPixelsGivesNothing) {
  BgraImage picture = Pattern(4, 3);
  picture.pixels.erase(picture.pixels.end() - 4, picture.pixels.end());
  EXPECT_TRUE(MakeDib24(picture).empty());
}

struct OffsetRow {
  std::uint32_t infoSize;
  std::uint16_t bitCount;
  std::uint32_t expectedOffBits;
};

// The offset counts a colour table only for 8 bits per pixel or fewer.
constexpr OffsetRow kOffsets[] = {
    {40, 1, 62},  {40, 4, 118}, {40, 8, 1078},  {40, 16, 54},
    {40, 24, 54}, {40, 32, 54}, {108, 24, 122}, {124, 8, 1162},
};

TEST(EncodeBmpFile, PixelOffsetFollowsHeaderSizeAndBitCount) {
  for (const OffsetRow& row : kOffsets) {
    Bytes dib(60, 0xAB);
    for (std::size_t byte = 0; byte < 4; ++byte) {
      dib[byte] = static_cast<std::uint8_t>(row.infoSize >> (8 * byte));
    }
    dib[14] = static_cast<std::uint8_t>(row.bitCount);
    dib[15] = 0;
    const Bytes file = EncodeBmpFile(dib);
    ASSERT_EQ(file.size(), 74u);
    EXPECT_EQ(Le(file, 10, 4), row.expectedOffBits) << row.infoSize << "/" << row.bitCount;
    EXPECT_EQ(Le(file, 2, 4), 74u);
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), file.begin() + 14));
  }
}

TEST(EncodeBmpFile, DibShorterThanItsInfoHeaderGivesNothing) {
  EXPECT_TRUE(EncodeBmpFile({}).empty());
  EXPECT_TRUE(EncodeBmpFile(Bytes(39, 0)).empty());
  EXPECT_EQ(EncodeBmpFile(Bytes(40, 0)).size(), 54u);
}

}  // namespace
}  // namespace tolvane
