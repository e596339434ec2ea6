// Encodes pictures of arbitrary sizes (1 to 600 pixels a side) and pixels as
// BMP files and checks every byte against the file layout: the info header's
// fields, the bottom-up rows and their zero padding, the file header's size
// and offset, and that the one-pass file equals the dib behind its header.
// Some inputs instead go to the file header alone as an arbitrary dib.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "export/bmp_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using tolvane::BgraImage;

constexpr int kLargestSide = 600;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

void Require(bool condition) {
  if (!condition) std::abort();
}

std::uint32_t ReadLe(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t byte = 0; byte < size; ++byte) {
    value |= std::uint32_t{bytes[offset + byte]} << (8 * byte);
  }
  return value;
}

std::size_t RowStride(std::size_t width) { return (width * 24 + 31) / 32 * 4; }

// One field of a header: where it starts, its width in bytes, its value.
struct Field {
  std::size_t offset;
  std::size_t size;
  std::uint32_t value;
};

void RequireFields(std::span<const std::uint8_t> header, std::span<const Field> fields) {
  for (const Field& field : fields)
    Require(ReadLe(header, field.offset, field.size) == field.value);
}

// The pixels repeat the input's bytes, so that every size gets its pixels
// from however few bytes are left.
BgraImage PictureOf(int width, int height, std::span<const std::uint8_t> samples) {
  BgraImage picture{width, height, Bytes(std::size_t(width) * height * 4)};
  if (!samples.empty()) {
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
      picture.pixels[i] = samples[i % samples.size()];
    }
  }
  return picture;
}

void CheckRows(const BgraImage& picture, std::span<const std::uint8_t> rows) {
  const auto width = static_cast<std::size_t>(picture.width);
  const std::size_t stride = RowStride(width);
  for (std::size_t row = 0; row < static_cast<std::size_t>(picture.height); ++row) {
    const std::uint8_t* out = &rows[row * stride];
    const std::size_t sourceRow = static_cast<std::size_t>(picture.height) - 1 - row;
    const std::uint8_t* in = &picture.pixels[sourceRow * width * 4];
    for (std::size_t x = 0; x < width; ++x) {
      Require(out[3 * x] == in[4 * x] && out[3 * x + 1] == in[4 * x + 1] &&
              out[3 * x + 2] == in[4 * x + 2]);
    }
    Require(std::all_of(out + 3 * width, out + stride, [](std::uint8_t pad) { return pad == 0; }));
  }
}

// The file header in front of a dib: "BM", bfSize equal to the file's length,
// zero reserved words, and the offset of the pixels past the headers and the
// palette that the dib's bit count asks for.
void CheckFileOf(std::span<const std::uint8_t> dib, const Bytes& file) {
  if (dib.size() < kInfoHeaderSize) {
    Require(file.empty());
    return;
  }
  Require(file.size() == kFileHeaderSize + dib.size());
  const std::uint32_t bitCount = ReadLe(dib, 14, 2);
  const std::uint64_t paletteSize = bitCount <= 8 ? 4 * (std::uint64_t{1} << bitCount) : 0;
  const Field header[] = {
      {0, 2, 0x4D42},
      {2, 4, static_cast<std::uint32_t>(file.size())},
      {6, 4, 0},
      {10, 4, static_cast<std::uint32_t>(kFileHeaderSize + ReadLe(dib, 0, 4) + paletteSize)},
  };
  RequireFields(file, header);
  Require(std::equal(dib.begin(), dib.end(), file.begin() + kFileHeaderSize));
}

void CheckPicture(const BgraImage& picture) {
  const Bytes dib = tolvane::MakeDib24(picture);
  const std::size_t imageSize = RowStride(picture.width) * picture.height;
  Require(dib.size() == kInfoHeaderSize + imageSize);
  const Field info[] = {
      {0, 4, kInfoHeaderSize},
      {4, 4, static_cast<std::uint32_t>(picture.width)},
      {8, 4, static_cast<std::uint32_t>(picture.height)},
      {12, 2, 1},
      {14, 2, 24},
      {16, 4, 0},
      {20, 4, static_cast<std::uint32_t>(imageSize)},
      {24, 4, 0},
      {28, 4, 0},
      {32, 4, 0},
      {36, 4, 0},
  };
  RequireFields(dib, info);
  CheckRows(picture, std::span(dib).subspan(kInfoHeaderSize));

  const Bytes file = tolvane::EncodeBmpFile(dib);
  CheckFileOf(dib, file);
  Require(ReadLe(file, 10, 4) == kFileHeaderSize + kInfoHeaderSize);
  Require(tolvane::MakeBmpFile(picture) == file);
}

// A picture whose pixels do not fill it gives no file at all.
void CheckShortPicture(BgraImage picture, std::size_t missing) {
  picture.pixels.resize(picture.pixels.size() - std::min(missing, picture.pixels.size()));
  Require(tolvane::MakeDib24(picture).empty());
  Require(tolvane::MakeBmpFile(picture).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  enum class Case { kPicture, kShortPicture, kArbitraryDib, kMaxValue = kArbitraryDib };
  const Case which = input.ConsumeEnum<Case>();
  if (which == Case::kArbitraryDib) {
    const Bytes dib = input.ConsumeRemainingBytes<std::uint8_t>();
    CheckFileOf(dib, tolvane::EncodeBmpFile(dib));
    return 0;
  }
  const int width = input.ConsumeIntegralInRange(1, kLargestSide);
  const int height = input.ConsumeIntegralInRange(1, kLargestSide);
  const std::size_t missing = input.ConsumeIntegralInRange<std::size_t>(1, 4 * kLargestSide);
  const Bytes samples = input.ConsumeRemainingBytes<std::uint8_t>();
  const BgraImage picture = PictureOf(width, height, samples);
  if (which == Case::kShortPicture) {
    CheckShortPicture(picture, missing);
  } else {
    CheckPicture(picture);
  }
  return 0;
}
