#pragma once
// The header of an .ico file: the group directory's 6-byte header, then per image a 16-byte
// entry that holds the directory entry's first 8 bytes, the image's size and its offset.
#include <cstdint>
#include <vector>

#include "formats/bytes.h"

namespace morvane {

// The header for a complete group directory whose member images have the given sizes, one
// per entry. The images follow it back to back, in entry order.
Bytes BuildIconHeader(const Bytes& groupDirectory, const std::vector<std::uint32_t>& imageSizes);

}  // namespace morvane
