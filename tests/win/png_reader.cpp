#include "tests/win/png_reader.h"

#include <zlib.h>

#include <cstdlib>
#include <string>

namespace morvane::testing {

namespace {

std::uint32_t Big32(const unsigned char* at) {
  return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
         at[3];
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

}  // namespace

std::optional<RgbaPixels> ReadPng(const std::vector<unsigned char>& png) {
  if (png.size() < 8) return std::nullopt;
  RgbaPixels out;
  int channels = 0;
  std::vector<unsigned char> compressed;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = Big32(&png[at]);
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    const unsigned char* data = &png[at + 8];
    if (at + 12 + length > png.size()) return std::nullopt;
    if (type == "IHDR") {
      out.width = static_cast<int>(Big32(data));
      out.height = static_cast<int>(Big32(data + 4));
      if (data[8] != 8 || (data[9] != 6 && data[9] != 2) || data[12] != 0) return std::nullopt;
      channels = data[9] == 6 ? 4 : 3;
    }
    if (type == "IDAT") compressed.insert(compressed.end(), data, data + length);
    at += 12 + length;
  }
  if (!channels) return std::nullopt;
  const std::size_t row = static_cast<std::size_t>(out.width) * channels;
  std::vector<unsigned char> raw((row + 1) * out.height);
  uLongf size = static_cast<uLongf>(raw.size());
  if (uncompress(raw.data(), &size, compressed.data(), static_cast<uLong>(compressed.size())) !=
          Z_OK ||
      size != raw.size()) {
    return std::nullopt;
  }
  std::vector<unsigned char> previous(row), current(row);
  for (int y = 0; y < out.height; ++y) {
    const unsigned char* line = &raw[(row + 1) * y];
    for (std::size_t x = 0; x < row; ++x) {
      const int a = x >= static_cast<std::size_t>(channels) ? current[x - channels] : 0;
      const int b = previous[x],
                c = x >= static_cast<std::size_t>(channels) ? previous[x - channels] : 0;
      const int predictors[] = {0, a, b, (a + b) / 2, Paeth(a, b, c)};
      if (line[0] > 4) return std::nullopt;
      current[x] = static_cast<unsigned char>(line[1 + x] + predictors[line[0]]);
    }
    for (int x = 0; x < out.width; ++x) {
      const unsigned char* p = &current[static_cast<std::size_t>(x) * channels];
      const std::uint32_t alpha = channels == 4 ? p[3] : 255;
      out.argb.push_back(alpha << 24 | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2]);
    }
    previous = current;
  }
  return out;
}

}  // namespace morvane::testing
