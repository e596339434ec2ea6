// Qt's own BMP reader serves as an independent check that the files are
// what other programs expect.
#include <gtest/gtest.h>
#include <QImage>

#include <cstdint>
#include <vector>

#include "export/bmp_file.h"

namespace tolvane {
namespace {

TEST(BmpFile, QtReadsBackEveryPixel) {
  constexpr int kWidth = 7;  // odd, so every row carries pad bytes
  constexpr int kHeight = 5;
  BgraImage picture{kWidth, kHeight, {}};
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int index = x + kWidth * y;
      picture.pixels.insert(picture.pixels.end(), {static_cast<std::uint8_t>(7 * index + 3),
                                                   static_cast<std::uint8_t>(250 - 5 * index),
                                                   static_cast<std::uint8_t>(36 * x + y), 0x10});
    }
  }
  const std::vector<std::uint8_t> file = EncodeBmpFile(MakeDib24(picture));

  const QImage image = QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(image.width(), kWidth);
  ASSERT_EQ(image.height(), kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint8_t* bgra = &picture.pixels[4 * static_cast<std::size_t>(x + kWidth * y)];
      EXPECT_EQ(image.pixel(x, y), qRgb(bgra[2], bgra[1], bgra[0])) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace tolvane
