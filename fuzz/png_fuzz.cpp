// Feeds arbitrary bytes to the PNG decoder and checks what must hold for any
// input: it never crashes, data without the PNG signature gives nothing, and
// a picture it gives back is within the size limits and holds exactly four
// bytes for each of its pixels.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "platform/picture/png_decode.h"

namespace {

using tolvane::BgraImage;

constexpr std::size_t kSignatureSize = 8;
constexpr std::uint8_t kSignatureStart[] = {0x89, 'P', 'N', 'G'};
constexpr std::size_t kChunkFrameSize = 12;  // length, type, CRC

void Require(bool condition) {
  if (!condition) std::abort();
}

std::uint32_t ReadBigEndian(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

void WriteBigEndian(std::uint32_t value, std::uint8_t* bytes) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// The CRC-32 of PNG chunks (ISO 3309, reflected polynomial 0xEDB88320).
std::uint32_t ChunkCrc(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const std::uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// Mutations almost never keep a chunk's CRC right, and libpng gives up at
// the first wrong one; with the CRCs put right, they reach the image data.
std::vector<std::uint8_t> WithChunkCrcsRight(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> fixed(bytes.begin(), bytes.end());
  std::size_t chunk = kSignatureSize;
  while (chunk + kChunkFrameSize <= fixed.size()) {
    const std::size_t length = ReadBigEndian(&fixed[chunk]);
    if (length > fixed.size() - chunk - kChunkFrameSize) break;
    const std::span<const std::uint8_t> typeAndData(&fixed[chunk + 4], 4 + length);
    WriteBigEndian(ChunkCrc(typeAndData), &fixed[chunk + 8 + length]);
    chunk += kChunkFrameSize + length;
  }
  return fixed;
}

void CheckDecoded(std::span<const std::uint8_t> bytes) {
  const std::optional<BgraImage> picture = tolvane::DecodePng(bytes);
  const bool hasSignature =
      bytes.size() >= kSignatureSize &&
      std::equal(std::begin(kSignatureStart), std::end(kSignatureStart), bytes.begin());
  if (!hasSignature) Require(!picture);
  if (!picture) return;
  Require(picture->width > 0 && picture->height > 0);
  Require(picture->width <= tolvane::kLargestPngSide);
  Require(picture->height <= tolvane::kLargestPngSide);
  const auto pixelCount = static_cast<long long>(picture->width) * picture->height;
  Require(pixelCount <= tolvane::kLargestPngPixelCount);
  Require(picture->pixels.size() == static_cast<std::size_t>(pixelCount) * 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckDecoded(bytes);
  const std::vector<std::uint8_t> fixed = WithChunkCrcsRight(bytes);
  if (!std::equal(fixed.begin(), fixed.end(), bytes.begin())) CheckDecoded(fixed);
  return 0;
}
