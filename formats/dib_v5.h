#pragma once
// An image as the clipboard's CF_DIBV5 holds it: a BITMAPV5HEADER of 124 bytes, 32-bit
// BI_BITFIELDS with the masks of BGRA and an alpha mask of 0xFF000000, then the rows bottom-up.
// The alpha is straight, as in the image.
#include "formats/bytes.h"
#include "formats/icon_image.h"

namespace morvane {

constexpr std::size_t kDibV5HeaderSize = 124;

Bytes DibV5(const BgraImage& image);

}  // namespace morvane
