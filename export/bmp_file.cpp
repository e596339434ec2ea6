#include "export/bmp_file.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace tolvane {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 24;
constexpr std::size_t kBiSizeOffset = 0;
constexpr std::size_t kBiBitCountOffset = 14;
constexpr unsigned kLargestPalettedBitCount = 8;

// One little-endian integer of a header: its place and width in bytes.
struct HeaderField {
  std::size_t offset;
  std::size_t size;
  std::uint32_t value;
};

void PutFields(std::uint8_t* header, std::span<const HeaderField> fields) {
  for (const HeaderField& field : fields) {
    for (std::size_t byte = 0; byte < field.size; ++byte) {
      header[field.offset + byte] =
          static_cast<std::uint8_t>(field.value >> (8 * byte));
    }
  }
}

std::uint32_t ReadLe(std::span<const std::uint8_t> bytes, std::size_t offset,
                     std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t byte = 0; byte < size; ++byte) {
    value |= std::uint32_t{bytes[offset + byte]} << (8 * byte);
  }
  return value;
}

std::size_t RowStride(std::size_t width) {
  return (width * kBitsPerPixel + 31) / 32 * 4;
}

// Rows go bottom-up; the pad bytes keep the zeros the buffer starts with.
void CopyRowsBottomUp(const BgraImage& picture, std::size_t stride,
                      std::uint8_t* rows) {
  const auto width = static_cast<std::size_t>(picture.width);
  const std::uint8_t* source = picture.pixels.data();
  for (std::size_t row = static_cast<std::size_t>(picture.height); row-- > 0;
       rows += stride) {
    const std::uint8_t* in = source + row * width * 4;
    std::uint8_t* out = rows;
    for (std::size_t x = 0; x < width; ++x, in += 4, out += 3) {
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
    }
  }
}

}  // namespace

std::vector<std::uint8_t> MakeDib24(const BgraImage& topDownPicture) {
  if (topDownPicture.empty()) return {};
  const auto width = static_cast<std::size_t>(topDownPicture.width);
  const auto height = static_cast<std::size_t>(topDownPicture.height);
  if (topDownPicture.pixels.size() / 4 / width < height) return {};
  const std::size_t stride = RowStride(width);
  if (stride > (std::numeric_limits<std::uint32_t>::max() - kFileHeaderSize -
                kInfoHeaderSize) / height) {
    return {};
  }
  const std::size_t imageSize = stride * height;

  std::vector<std::uint8_t> dib(kInfoHeaderSize + imageSize);
  const HeaderField info[] = {
      {0, 4, kInfoHeaderSize},
      {4, 4, static_cast<std::uint32_t>(width)},
      {8, 4, static_cast<std::uint32_t>(height)},
      {12, 2, 1},  // planes
      {14, 2, kBitsPerPixel},
      {16, 4, 0},  // BI_RGB
      {20, 4, static_cast<std::uint32_t>(imageSize)},
  };
  PutFields(dib.data(), info);
  CopyRowsBottomUp(topDownPicture, stride, dib.data() + kInfoHeaderSize);
  return dib;
}

std::vector<std::uint8_t> EncodeBmpFile(std::span<const std::uint8_t> dib) {
  if (dib.size() < kInfoHeaderSize ||
      dib.size() > std::numeric_limits<std::uint32_t>::max() - kFileHeaderSize) {
    return {};
  }
  const std::uint32_t infoSize = ReadLe(dib, kBiSizeOffset, 4);
  const std::uint32_t bitCount = ReadLe(dib, kBiBitCountOffset, 2);
  const std::uint64_t paletteEntries =
      bitCount <= kLargestPalettedBitCount ? std::uint64_t{1} << bitCount : 0;
  const std::uint64_t offBits = kFileHeaderSize + std::uint64_t{infoSize} +
                                4 * paletteEntries;

  std::vector<std::uint8_t> file(kFileHeaderSize + dib.size());
  const HeaderField header[] = {
      {0, 2, 0x4D42},  // "BM"
      {2, 4, static_cast<std::uint32_t>(file.size())},
      {6, 2, 0},
      {8, 2, 0},
      {10, 4, static_cast<std::uint32_t>(offBits)},
  };
  PutFields(file.data(), header);
  std::copy(dib.begin(), dib.end(), file.begin() + kFileHeaderSize);
  return file;
}

}  // namespace tolvane
