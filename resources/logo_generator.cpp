// Draws the product logo and the window icon's images at build time and
// writes them as PNG files, together with a C++ source that embeds their
// bytes. The artwork is a list of flat rectangles on a tile with softened
// corners, laid out on a 256-unit square and rendered at each size with
// supersampling, so every size comes from the same drawing.
//
// Usage: logo_generator <output folder>

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Colour {
  double red;
  double green;
  double blue;
};

// A rectangle of the drawing in design units, right and bottom exclusive.
struct Box {
  double left;
  double top;
  double right;
  double bottom;
  Colour colour;
};

constexpr double kDesignSize = 256.0;
constexpr double kCornerRadius = 14.0;

constexpr Colour kOrange = {240, 124, 42};
constexpr Colour kYellow = {255, 204, 64};
constexpr Colour kWhite = {255, 255, 255};
constexpr Colour kDark = {56, 38, 28};
constexpr Colour kLightGrey = {230, 226, 222};

// Bottom first: a later box covers an earlier one.
constexpr Box kArtwork[] = {
    {0, 0, 256, 256, kOrange},    // the tile
    {0, 208, 256, 256, kYellow},  // the band along the bottom
    // The word mark: letter-sized bars on the initial's baseline that read
    // as the rest of the name.
    {124, 36, 144, 56, kLightGrey},
    {150, 24, 158, 56, kLightGrey},
    {164, 36, 182, 56, kLightGrey},
    {188, 36, 208, 56, kLightGrey},
    {214, 36, 232, 56, kLightGrey},
    // The bracket from the initial's stem to the two bars, like a map's
    // connectors.
    {82, 116, 102, 124, kDark},
    {102, 84, 110, 156, kDark},
    {110, 84, 128, 92, kDark},
    {110, 148, 128, 156, kDark},
    {128, 76, 200, 100, kDark},
    {128, 140, 184, 164, kDark},
    // The initial "T".
    {24, 28, 112, 56, kWhite},
    {54, 56, 82, 180, kWhite},
};

// Partly covered edge pixels keep at least this much alpha, so even the
// outermost corner pixel is never wholly transparent, and at most this much,
// so a softened pixel always differs clearly from an opaque one.
constexpr double kLeastEdgeAlpha = 1.0;
constexpr double kMostEdgeAlpha = 239.0;
constexpr int kSamplesPerAxis = 8;

constexpr std::array<int, 5> kIconSizes = {16, 24, 32, 64, 256};
constexpr int kLogoSize = 256;

bool InsideTile(double x, double y) {
  const double cornerX = std::clamp(x, kCornerRadius, kDesignSize - kCornerRadius);
  const double cornerY = std::clamp(y, kCornerRadius, kDesignSize - kCornerRadius);
  const double dx = x - cornerX;
  const double dy = y - cornerY;
  return dx * dx + dy * dy <= kCornerRadius * kCornerRadius;
}

Colour ColourAt(double x, double y) {
  Colour colour = kArtwork[0].colour;
  for (const Box& box : kArtwork) {
    if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) {
      colour = box.colour;
    }
  }
  return colour;
}

std::uint8_t ToSample(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

std::uint8_t EdgeAlpha(double coverage) {
  if (coverage >= 1.0) return 255;
  return ToSample(std::clamp(coverage * kMostEdgeAlpha, kLeastEdgeAlpha, kMostEdgeAlpha));
}

// Colours are averaged over the whole pixel as if the tile went on beyond
// its corners; the tile's outline shows in the alpha alone.
Bytes Render(int size) {
  Bytes rgba(static_cast<std::size_t>(size) * size * 4);
  const double scale = kDesignSize / size;
  const double step = scale / kSamplesPerAxis;
  constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      Colour sum = {0, 0, 0};
      int inside = 0;
      for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
          const double x = column * scale + (sx + 0.5) * step;
          const double y = row * scale + (sy + 0.5) * step;
          const Colour colour = ColourAt(x, y);
          sum.red += colour.red;
          sum.green += colour.green;
          sum.blue += colour.blue;
          inside += InsideTile(x, y) ? 1 : 0;
        }
      }
      std::uint8_t* pixel = &rgba[(static_cast<std::size_t>(row) * size + column) * 4];
      pixel[0] = ToSample(sum.red / kSamples);
      pixel[1] = ToSample(sum.green / kSamples);
      pixel[2] = ToSample(sum.blue / kSamples);
      pixel[3] = EdgeAlpha(static_cast<double>(inside) / kSamples);
    }
  }
  return rgba;
}

// One way of compressing the rows; the smallest result is kept.
struct PngSettings {
  int filters;
  int strategy;
};

constexpr int kFilterChoices[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_PAETH,
                                  PNG_ALL_FILTERS};
constexpr int kStrategyChoices[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_RLE};

void AppendToBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

Bytes EncodePng(const Bytes& rgba, int size, const PngSettings& settings) {
  // Everything with a destructor exists before setjmp, so an error's longjmp
  // skips none.
  Bytes out;
  std::vector<png_bytep> rows(static_cast<std::size_t>(size));
  for (int row = 0; row < size; ++row) {
    rows[row] = const_cast<png_bytep>(&rgba[static_cast<std::size_t>(row) * size * 4]);
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, AppendToBytes, FlushNothing);
  png_set_compression_level(png, Z_BEST_COMPRESSION);
  png_set_compression_mem_level(png, 9);
  png_set_compression_strategy(png, settings.strategy);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, settings.filters);

  png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_set_gAMA_fixed(png, info, 45455);
  png_set_pHYs(png, info, 3779, 3779, PNG_RESOLUTION_METER);
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes SmallestPng(const Bytes& rgba, int size) {
  Bytes best;
  for (int filters : kFilterChoices) {
    for (int strategy : kStrategyChoices) {
      Bytes candidate = EncodePng(rgba, size, {filters, strategy});
      if (!candidate.empty() && (best.empty() || candidate.size() < best.size())) {
        best = std::move(candidate);
      }
    }
  }
  return best;
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string ArrayName(int size) { return "kIcon" + std::to_string(size); }

std::string ArrayDefinition(int size, const Bytes& png) {
  std::string text = "constexpr std::uint8_t " + ArrayName(size) + "[] = {";
  char hex[8];
  for (std::size_t at = 0; at < png.size(); ++at) {
    text += at % 16 == 0 ? "\n   " : "";
    std::snprintf(hex, sizeof hex, " 0x%02x,", png[at]);
    text += hex;
  }
  return text + "\n};\n\n";
}

std::string EmbeddedSource(const std::vector<Bytes>& pngs) {
  std::string text =
      "// Written by logo_generator at build time; edit the generator, not this.\n"
      "#include \"resources/images.h\"\n\n"
      "namespace tolvane::resources {\nnamespace {\n\n";
  std::string list;
  for (std::size_t at = 0; at < kIconSizes.size(); ++at) {
    text += ArrayDefinition(kIconSizes[at], pngs[at]);
    list += "    " + ArrayName(kIconSizes[at]) + ",\n";
  }
  text += "constexpr std::span<const std::uint8_t> kIconImages[] = {\n" + list +
          "};\n\n}  // namespace\n\n"
          "std::span<const std::uint8_t> LogoPng() { return " +
          ArrayName(kLogoSize) +
          "; }\n\n"
          "std::span<const std::span<const std::uint8_t>> IconImages() {\n"
          "  return kIconImages;\n}\n\n}  // namespace tolvane::resources\n";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: logo_generator <output folder>\n";
    return 2;
  }
  const std::string folder = argv[1];
  std::vector<Bytes> pngs;
  bool written = true;
  for (int size : kIconSizes) {
    pngs.push_back(SmallestPng(Render(size), size));
    if (pngs.back().empty()) {
      std::cerr << "logo_generator: cannot encode the " << size << " pixel image\n";
      return 1;
    }
    const std::string png = AsText(pngs.back());
    written = WriteFile(folder + "/icon-" + std::to_string(size) + ".png", png) && written;
    if (size == kLogoSize) written = WriteFile(folder + "/logo.png", png) && written;
  }
  written = WriteFile(folder + "/embedded_images.cpp", EmbeddedSource(pngs)) && written;
  if (!written) {
    std::cerr << "logo_generator: cannot write into " << folder << "\n";
    return 1;
  }
  return 0;
}
