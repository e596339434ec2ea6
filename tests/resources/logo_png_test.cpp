#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "resources/images.h"

namespace tolvane::resources {
namespace {

// What libpng reports of the file's header and ancillary chunks.
struct PngFacts {
  bool read = false;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int bitDepth = 0;
  int colourType = 0;
  int interlace = 0;
  int srgbIntent = -1;
  png_fixed_point gamma = 0;
  png_uint_32 pixelsPerUnitX = 0;
  png_uint_32 pixelsPerUnitY = 0;
  int unit = -1;
};

struct MemorySource {
  std::span<const std::uint8_t> bytes;
  std::size_t offset = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, std::size_t length) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (length > source->bytes.size() - source->offset) png_error(png, "read past the end");
  std::memcpy(out, source->bytes.data() + source->offset, length);
  source->offset += length;
}

PngFacts ReadFacts(std::span<const std::uint8_t> bytes) {
  MemorySource source{bytes};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {};
  }
  png_set_read_fn(png, &source, ReadFromMemory);
  png_read_info(png, info);
  PngFacts facts;
  facts.read = true;
  png_get_IHDR(png, info, &facts.width, &facts.height, &facts.bitDepth, &facts.colourType,
               &facts.interlace, nullptr, nullptr);
  png_get_sRGB(png, info, &facts.srgbIntent);
  png_get_gAMA_fixed(png, info, &facts.gamma);
  png_get_pHYs(png, info, &facts.pixelsPerUnitX, &facts.pixelsPerUnitY, &facts.unit);
  png_destroy_read_struct(&png, &info, nullptr);
  return facts;
}

// The chunk types in file order, a run of IDAT chunks counted once.
std::vector<std::string> ChunkTypes(std::span<const std::uint8_t> png) {
  std::vector<std::string> types;
  for (std::size_t at = 8; at + 8 <= png.size();) {
    const std::uint32_t length = (std::uint32_t{png[at]} << 24) |
                                 (std::uint32_t{png[at + 1]} << 16) |
                                 (std::uint32_t{png[at + 2]} << 8) | png[at + 3];
    std::string type(reinterpret_cast<const char*>(&png[at + 4]), 4);
    if (types.empty() || types.back() != type || type != "IDAT") types.push_back(type);
    at += 12 + std::size_t{length};
  }
  return types;
}

std::vector<std::uint8_t> DecodeRgba(std::span<const std::uint8_t> bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) return {};
  return pixels;
}

TEST(LogoPng, HeaderAndColourChunksAreAsDescribed) {
  const PngFacts facts = ReadFacts(LogoPng());
  ASSERT_TRUE(facts.read);
  EXPECT_EQ(facts.width, 256u);
  EXPECT_EQ(facts.height, 256u);
  EXPECT_EQ(facts.bitDepth, 8);
  EXPECT_EQ(facts.colourType, PNG_COLOR_TYPE_RGB_ALPHA);
  EXPECT_EQ(facts.interlace, PNG_INTERLACE_NONE);
  EXPECT_EQ(facts.srgbIntent, PNG_sRGB_INTENT_PERCEPTUAL);
  EXPECT_EQ(facts.gamma, 45455);
  EXPECT_EQ(facts.pixelsPerUnitX, 3779u);
  EXPECT_EQ(facts.pixelsPerUnitY, 3779u);
  EXPECT_EQ(facts.unit, PNG_RESOLUTION_METER);
}

// libpng derives a gamma from sRGB alone, so the chunks themselves are
// checked too; nothing else (no time stamp) goes into the file.
TEST(LogoPng, CarriesExactlyTheExpectedChunks) {
  EXPECT_EQ(ChunkTypes(LogoPng()),
            (std::vector<std::string>{"IHDR", "gAMA", "sRGB", "pHYs", "IDAT", "IEND"}));
}

// Only the softened corners may be partly transparent, and not one pixel
// wholly so.
TEST(LogoPng, OnlyTheCornersArePartlyTransparent) {
  constexpr int kSize = 256;
  constexpr int kCorner = 16;
  const std::vector<std::uint8_t> rgba = DecodeRgba(LogoPng());
  ASSERT_EQ(rgba.size(), std::size_t{kSize} * kSize * 4);

  std::array<int, 4> perCorner{};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const int alpha = rgba[(std::size_t{kSize} * y + x) * 4 + 3];
      if (alpha == 255) continue;
      ASSERT_GE(alpha, 1) << x << "," << y;
      ASSERT_LE(alpha, 239) << x << "," << y;
      const bool left = x < kCorner;
      const bool top = y < kCorner;
      ASSERT_TRUE((left || x >= kSize - kCorner) && (top || y >= kSize - kCorner))
          << "partly transparent pixel outside the corners at " << x << "," << y;
      ++perCorner[(top ? 0 : 2) + (left ? 0 : 1)];
    }
  }
  int total = 0;
  for (const int count : perCorner) {
    EXPECT_GE(count, 30);
    total += count;
  }
  EXPECT_GE(total, 150);
  EXPECT_LE(total, 260);
}

}  // namespace
}  // namespace tolvane::resources
