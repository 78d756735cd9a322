#include "formats/dib_v5.h"

#include <algorithm>

namespace morvane {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kSrgb = 0x73524742;  // 'sRGB'
constexpr std::uint32_t kImagesIntent = 4;   // LCS_GM_IMAGES

// The header's common fields, then the rows bottom-up.
Bytes WithRows(const BgraImage& image, std::size_t header, std::uint32_t compression) {
  const std::size_t row = static_cast<std::size_t>(image.width) * 4;
  const std::size_t rows = static_cast<std::size_t>(image.height);
  Bytes dib(header + row * rows);
  std::uint8_t* at = dib.data();
  PutU32(at, static_cast<std::uint32_t>(header));
  PutU32(at + 4, static_cast<std::uint32_t>(image.width));
  PutU32(at + 8, static_cast<std::uint32_t>(image.height));  // positive: bottom-up
  at[12] = 1;                                                // planes
  at[14] = 32;                                               // bits
  PutU32(at + 16, compression);
  PutU32(at + 20, static_cast<std::uint32_t>(row * rows));
  for (std::size_t y = 0; y < rows; ++y) {
    const auto from = image.pixels.begin() + static_cast<std::ptrdiff_t>(row * (rows - 1 - y));
    std::copy(from, from + static_cast<std::ptrdiff_t>(row),
              dib.begin() + static_cast<std::ptrdiff_t>(header + row * y));
  }
  return dib;
}

}  // namespace

Bytes DibV5(const BgraImage& image) {
  Bytes dib = WithRows(image, kDibV5HeaderSize, kBitFields);
  std::uint8_t* at = dib.data();
  PutU32(at + 40, 0x00FF0000);  // red
  PutU32(at + 44, 0x0000FF00);  // green
  PutU32(at + 48, 0x000000FF);  // blue
  PutU32(at + 52, 0xFF000000);  // alpha
  PutU32(at + 56, kSrgb);
  PutU32(at + 108, kImagesIntent);
  return dib;
}

Bytes Dib(const BgraImage& image) { return WithRows(image, kDibHeaderSize, kRgb); }

}  // namespace morvane
