#pragma once
// One image of an icon group: what it is (size, depth, PNG or not), read from its own header,
// and its pixels as 32-bit BGRA with straight alpha.
//   An image is either a PNG file or a DIB: a BITMAPINFOHEADER whose height counts two
//   bitmaps, the palette of a 1-, 4- or 8-bit image, the colour bitmap and then the 1-bit AND
//   mask, both bottom-up with rows padded to 4 bytes. A set mask bit is a transparent pixel.
#include <cstdint>
#include <optional>

#include "formats/bytes.h"

namespace morvane {

struct ImageShape {
  int width = 0;
  int height = 0;
  int bits = 0;  // per pixel: for a PNG its bit depth times its channels
  bool png = false;

  friend bool operator==(const ImageShape& a, const ImageShape& b) {
    return a.width == b.width && a.height == b.height && a.bits == b.bits && a.png == b.png;
  }
};

bool IsPng(const Bytes& image);

// From the image's own header: the PNG's IHDR, or the BITMAPINFOHEADER. Nothing when the image
// holds no readable header.
std::optional<ImageShape> ShapeFromHeader(const Bytes& image);

// From a group directory entry, the fallback: a width or height of 0 means 256.
ImageShape ShapeFromEntry(const Bytes& directory, std::size_t entry);

// Pixels top-down, four bytes each: blue, green, red and straight alpha.
struct BgraImage {
  int width = 0;
  int height = 0;
  Bytes pixels;
};

enum class DibFailure { NoHeader, Unsupported, Truncated };

struct DecodedDib {
  std::optional<BgraImage> image;
  DibFailure failure = DibFailure::NoHeader;  // why there is no image
};

// The pixels of a DIB image, as Windows draws it: colours from the palette or the pixel, alpha
// from the AND mask, except in a 32-bit image with any alpha of its own. Reads nothing beyond
// the image; an image larger than 1024 pixels a side is unsupported.
DecodedDib DecodeDib(const Bytes& image);

}  // namespace morvane
