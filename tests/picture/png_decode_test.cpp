#include "platform/picture/png_decode.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tolvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kWidth = 7;
constexpr int kHeight = 5;

// Red, green, blue, alpha of each pixel, all different, with alphas from
// fully transparent to opaque so premultiplying would show.
Bytes KnownRgbaPixels() {
  Bytes rgba;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      rgba.push_back(static_cast<std::uint8_t>(30 * x + 5));
      rgba.push_back(static_cast<std::uint8_t>(50 * y + 7));
      rgba.push_back(static_cast<std::uint8_t>(250 - 6 * (x + kWidth * y)));
      rgba.push_back(static_cast<std::uint8_t>(7 * (x + kWidth * y) + 11));
    }
  }
  return rgba;
}

Bytes WritePng(const Bytes& pixels, png_uint_32 format, int width, int height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = format;
  png_alloc_size_t size = 0;
  EXPECT_NE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr), 0);
  Bytes png(size);
  EXPECT_NE(png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, nullptr), 0);
  png.resize(size);
  return png;
}

Bytes KnownPng() { return WritePng(KnownRgbaPixels(), PNG_FORMAT_RGBA, kWidth, kHeight); }

// Offset of the first chunk of the given type; the test fails without one.
std::size_t ChunkOffset(const Bytes& png, const char* type) {
  for (std::size_t at = 8; at + 8 <= png.size();) {
    const std::uint32_t length = (std::uint32_t{png[at]} << 24) |
                                 (std::uint32_t{png[at + 1]} << 16) |
                                 (std::uint32_t{png[at + 2]} << 8) | png[at + 3];
    if (std::memcmp(&png[at + 4], type, 4) == 0) return at;
    at += 12 + length;
  }
  ADD_FAILURE() << "no " << type << " chunk";
  return 0;
}

TEST(DecodePng, GivesBlueGreenRedAlphaWithStraightAlpha) {
  const Bytes rgba = KnownRgbaPixels();
  const auto picture = DecodePng(KnownPng());
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, kWidth);
  EXPECT_EQ(picture->height, kHeight);
  ASSERT_EQ(picture->pixels.size(), rgba.size());
  for (std::size_t at = 0; at < rgba.size(); at += 4) {
    SCOPED_TRACE("pixel " + std::to_string(at / 4));
    EXPECT_EQ(picture->pixels[at + 0], rgba[at + 2]);
    EXPECT_EQ(picture->pixels[at + 1], rgba[at + 1]);
    EXPECT_EQ(picture->pixels[at + 2], rgba[at + 0]);
    EXPECT_EQ(picture->pixels[at + 3], rgba[at + 3]);
  }
}

TEST(DecodePng, PictureWithoutAlphaComesOutOpaque) {
  const Bytes rgb = {10, 20, 30, 40, 50, 60};
  const auto picture = DecodePng(WritePng(rgb, PNG_FORMAT_RGB, 2, 1));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixels, (Bytes{30, 20, 10, 255, 60, 50, 40, 255}));
}

TEST(DecodePng, SevenBytesOrFewerAreNoPicture) {
  const Bytes png = KnownPng();
  for (std::size_t length = 0; length <= 7; ++length) {
    EXPECT_FALSE(DecodePng(std::span(png).first(length)).has_value()) << length;
  }
}

TEST(DecodePng, WrongSignatureIsNoPicture) {
  for (std::size_t at = 0; at < 4; ++at) {
    Bytes png = KnownPng();
    png[at] ^= 0x20;
    EXPECT_FALSE(DecodePng(png).has_value()) << "byte " << at;
  }
}

TEST(DecodePng, TruncatedDataIsNoPicture) {
  const Bytes png = KnownPng();
  const std::size_t data = ChunkOffset(png, "IDAT");
  for (const std::size_t length :
       {std::size_t{8}, std::size_t{20}, data, data + 10, png.size() - 20}) {
    EXPECT_FALSE(DecodePng(std::span(png).first(length)).has_value()) << length;
  }
}

TEST(DecodePng, FlippedBytesInCriticalChunksAreNoPicture) {
  const Bytes original = KnownPng();
  const std::size_t header = ChunkOffset(original, "IHDR");
  const std::size_t data = ChunkOffset(original, "IDAT");
  for (const std::size_t at : {header + 9, header + 16, data + 8, data + 20}) {
    Bytes png = original;
    png[at] ^= 0xFF;
    EXPECT_FALSE(DecodePng(png).has_value()) << "byte " << at;
  }
}

// Whatever a single damaged byte does, the decoder must neither crash nor
// hand back a picture whose pixels do not match its size.
TEST(DecodePng, AnyFlippedByteIsHandled) {
  const Bytes original = KnownPng();
  for (std::size_t at = 0; at < original.size(); ++at) {
    for (const std::uint8_t mask : {0x01, 0xFF}) {
      Bytes png = original;
      png[at] ^= mask;
      if (const auto picture = DecodePng(png)) {
        EXPECT_EQ(picture->pixels.size(), std::size_t{4} * picture->width * picture->height)
            << "byte " << at;
      }
    }
  }
}

void AppendBigEndian(Bytes& bytes, std::uint32_t value) {
  for (const int shift : {24, 16, 8, 0}) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

Bytes Chunk(const char* type, const Bytes& data) {
  Bytes chunk;
  AppendBigEndian(chunk, static_cast<std::uint32_t>(data.size()));
  for (int at = 0; at < 4; ++at) chunk.push_back(static_cast<std::uint8_t>(type[at]));
  chunk.insert(chunk.end(), data.begin(), data.end());
  AppendBigEndian(chunk, static_cast<std::uint32_t>(
                             crc32(0, chunk.data() + 4, static_cast<uInt>(chunk.size() - 4))));
  return chunk;
}

// A well-formed header claiming a million by a million pixels, which libpng
// itself accepts: decoding must give up before trying to hold the pixels.
TEST(DecodePng, AbsurdDimensionsAreNoPicture) {
  Bytes header;
  AppendBigEndian(header, 1000000);
  AppendBigEndian(header, 1000000);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const Bytes emptyDeflateStream = {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01};
  for (const Bytes& chunk :
       {Chunk("IHDR", header), Chunk("IDAT", emptyDeflateStream), Chunk("IEND", {})}) {
    png.insert(png.end(), chunk.begin(), chunk.end());
  }
  EXPECT_FALSE(DecodePng(png).has_value());
}

TEST(DecodePng, LargestSideIsTheLimit) {
  const Bytes grey(kLargestPngSide + 1, 0x80);
  EXPECT_TRUE(DecodePng(WritePng(grey, PNG_FORMAT_GRAY, kLargestPngSide, 1)).has_value());
  EXPECT_FALSE(DecodePng(WritePng(grey, PNG_FORMAT_GRAY, kLargestPngSide + 1, 1)).has_value());
  EXPECT_FALSE(DecodePng(WritePng(grey, PNG_FORMAT_GRAY, 1, kLargestPngSide + 1)).has_value());
}

}  // namespace
}  // namespace tolvane
