// Reading the pictures the export makes, through Qt's own BMP reader so the
// checks do not lean on the code that wrote them.
#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "export/bmp_file.h"

namespace tolvane::testing {

inline QImage DecodeBmp(std::span<const std::uint8_t> file) {
  return QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP")
      .convertToFormat(QImage::Format_RGB32);
}

inline std::uint32_t LittleEndianAt(std::span<const std::uint8_t> bytes, std::size_t offset,
                                    std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
  return value;
}

// A BMP file image of `picture`, as a capture would hold it.
inline std::vector<std::uint8_t> BmpOf(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  BgraImage pixels{rgb.width(), rgb.height(), {}};
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = rgb.constScanLine(y);
    pixels.pixels.insert(pixels.pixels.end(), row, row + 4 * rgb.width());
  }
  return EncodeBmpFile(MakeDib24(pixels));
}

inline std::string AsString(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace tolvane::testing
