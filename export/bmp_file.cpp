#include "export/bmp_file.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>

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
      header[field.offset + byte] = static_cast<std::uint8_t>(field.value >> (8 * byte));
    }
  }
}

void PutFileHeader(std::size_t fileSize, std::uint64_t offBits, std::uint8_t* header) {
  const HeaderField fields[] = {
      {0, 2, 0x4D42},  // "BM"
      {2, 4, static_cast<std::uint32_t>(fileSize)},
      {6, 2, 0},
      {8, 2, 0},
      {10, 4, static_cast<std::uint32_t>(offBits)},
  };
  PutFields(header, fields);
}

std::uint32_t ReadLe(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t byte = 0; byte < size; ++byte) {
    value |= std::uint32_t{bytes[offset + byte]} << (8 * byte);
  }
  return value;
}

std::size_t RowStride(std::size_t width) { return (width * kBitsPerPixel + 31) / 32 * 4; }

// The size of the rows of a picture, or nothing when its pixels do not fill
// it or the file would not fit the header's 32-bit sizes.
std::optional<std::size_t> ImageSizeOf(const BgraImage& picture) {
  if (picture.empty()) return std::nullopt;
  const auto width = static_cast<std::size_t>(picture.width);
  const auto height = static_cast<std::size_t>(picture.height);
  if (picture.pixels.size() / 4 / width < height) return std::nullopt;
  const std::size_t stride = RowStride(width);
  if (stride >
      (std::numeric_limits<std::uint32_t>::max() - kFileHeaderSize - kInfoHeaderSize) / height) {
    return std::nullopt;
  }
  return stride * height;
}

void PutInfoHeader(const BgraImage& picture, std::size_t imageSize, std::uint8_t* header) {
  const HeaderField info[] = {
      {0, 4, kInfoHeaderSize},
      {4, 4, static_cast<std::uint32_t>(picture.width)},
      {8, 4, static_cast<std::uint32_t>(picture.height)},
      {12, 2, 1},  // planes
      {14, 2, kBitsPerPixel},
      {16, 4, 0},  // BI_RGB
      {20, 4, static_cast<std::uint32_t>(imageSize)},
  };
  PutFields(header, info);
}

// Copying the pixels is the bulk of an export's cost beyond drawing the
// window. On x86-64 GCC also builds the copy for newer vector units, whose
// byte shuffles move many pixels at once, and the loader picks the build the
// processor can run.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("default", "ssse3", "avx2")))
#endif
void CopyRow(const std::uint8_t* __restrict in, std::uint8_t* __restrict out,
             std::size_t width) {
  for (std::size_t x = 0; x < width; ++x) {
    out[3 * x] = in[4 * x];
    out[3 * x + 1] = in[4 * x + 1];
    out[3 * x + 2] = in[4 * x + 2];
  }
}

// Rows go bottom-up, each built in a small buffer whose pad bytes stay zero
// and appended whole: the large buffer is written once, never cleared first.
void AppendRowsBottomUp(const BgraImage& picture, std::vector<std::uint8_t>& out) {
  const auto width = static_cast<std::size_t>(picture.width);
  std::vector<std::uint8_t> row(RowStride(width));
  const std::uint8_t* source = picture.pixels.data();
  for (std::size_t y = static_cast<std::size_t>(picture.height); y-- > 0;) {
    CopyRow(source + y * width * 4, row.data(), width);
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

std::vector<std::uint8_t> MakeDib24(const BgraImage& topDownPicture) {
  const std::optional<std::size_t> imageSize = ImageSizeOf(topDownPicture);
  if (!imageSize) return {};
  std::vector<std::uint8_t> dib(kInfoHeaderSize);
  dib.reserve(kInfoHeaderSize + *imageSize);
  PutInfoHeader(topDownPicture, *imageSize, dib.data());
  AppendRowsBottomUp(topDownPicture, dib);
  return dib;
}

std::vector<std::uint8_t> MakeBmpFile(const BgraImage& topDownPicture) {
  const std::optional<std::size_t> imageSize = ImageSizeOf(topDownPicture);
  if (!imageSize) return {};
  constexpr std::size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> file(kHeadersSize);
  file.reserve(kHeadersSize + *imageSize);
  PutFileHeader(kHeadersSize + *imageSize, kHeadersSize, file.data());
  PutInfoHeader(topDownPicture, *imageSize, file.data() + kFileHeaderSize);
  AppendRowsBottomUp(topDownPicture, file);
  return file;
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
  const std::uint64_t offBits = kFileHeaderSize + std::uint64_t{infoSize} + 4 * paletteEntries;

  std::vector<std::uint8_t> file(kFileHeaderSize + dib.size());
  PutFileHeader(file.size(), offBits, file.data());
  std::copy(dib.begin(), dib.end(), file.begin() + kFileHeaderSize);
  return file;
}

}  // namespace tolvane
