#include "formats/icon_header.h"

#include <algorithm>

#include "formats/group_directory.h"

namespace morvane {

namespace dir = group_directory;

namespace {

constexpr std::size_t kFileEntrySize = 16;
constexpr std::size_t kCopiedEntryBytes = 8;  // width, height, colours, reserved, planes, bpp

}  // namespace

Bytes BuildIconHeader(const Bytes& groupDirectory, const std::vector<std::uint32_t>& imageSizes) {
  const std::size_t count = imageSizes.size();
  const std::size_t headerSize = dir::kHeaderSize + kFileEntrySize * count;
  Bytes header(headerSize);
  std::copy_n(groupDirectory.begin(), dir::kHeaderSize, header.begin());

  std::uint32_t offset = static_cast<std::uint32_t>(headerSize);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t to = dir::kHeaderSize + kFileEntrySize * i;
    std::copy_n(groupDirectory.begin() + dir::EntryOffset(i), kCopiedEntryBytes,
                header.begin() + to);
    PutU32(&header[to + 8], imageSizes[i]);
    PutU32(&header[to + 12], offset);
    offset += imageSizes[i];
  }
  return header;
}

}  // namespace morvane
