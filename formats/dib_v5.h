#pragma once
// An image as the clipboard holds it, its rows bottom-up:
// - CF_DIBV5: a BITMAPV5HEADER of 124 bytes, 32-bit BI_BITFIELDS with the masks of BGRA and an
//   alpha mask of 0xFF000000, the alpha straight, as in the image;
// - CF_DIB: a BITMAPINFOHEADER of 40 bytes, 32-bit BI_RGB, the same rows. Written out, so that
//   readers of CF_DIB get no header that the system made up, whose masks some of them misread.
#include "formats/bytes.h"
#include "formats/icon_image.h"

namespace morvane {

constexpr std::size_t kDibV5HeaderSize = 124;
constexpr std::size_t kDibHeaderSize = 40;

Bytes DibV5(const BgraImage& image);
Bytes Dib(const BgraImage& image);

}  // namespace morvane
