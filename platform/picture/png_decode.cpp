#include "platform/picture/png_decode.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <new>

namespace tolvane {
namespace {

constexpr std::size_t kShortestPicture = 8;
constexpr std::array<std::uint8_t, 4> kSignature = {0x89, 'P', 'N', 'G'};
constexpr auto kLargestSide = static_cast<png_uint_32>(kLargestPngSide);

bool HasSignature(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kShortestPicture &&
         std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

bool IsReasonableSize(png_uint_32 width, png_uint_32 height) {
  return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide &&
         static_cast<long long>(width) * height <= kLargestPngPixelCount;
}

}  // namespace

std::optional<BgraImage> DecodePng(std::span<const std::uint8_t> bytes) {
  if (!HasSignature(bytes)) return std::nullopt;

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
    return std::nullopt;
  }
  if (!IsReasonableSize(image.width, image.height)) {
    png_image_free(&image);
    return std::nullopt;
  }
  image.format = PNG_FORMAT_BGRA;

  BgraImage picture;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  try {
    picture.pixels.resize(std::size_t{image.width} * image.height * 4);
  } catch (const std::bad_alloc&) {
    png_image_free(&image);
    return std::nullopt;
  }
  const auto rowStride = static_cast<png_int_32>(image.width * 4);
  // finish_read releases libpng's state whether it succeeds or not.
  if (png_image_finish_read(&image, nullptr, picture.pixels.data(), rowStride, nullptr) == 0) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace tolvane
