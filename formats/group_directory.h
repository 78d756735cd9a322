#pragma once
// Reading an RT_GROUP_ICON resource: a 6-byte header holding the image count n at offset 4,
// then n entries of 14 bytes, each ending in the 16-bit id of its RT_ICON image.
#include <cstddef>
#include <cstdint>

#include "platform/resource_modules.h"

namespace morvane::group_directory {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 14;
constexpr std::size_t kImageIdOffset = 12;

inline std::uint16_t ReadU16(const Bytes& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::size_t EntryOffset(std::size_t i) { return kHeaderSize + kEntrySize * i; }

inline std::uint16_t ImageCount(const Bytes& directory) { return ReadU16(directory, 4); }

// True when the directory holds its header and every entry it counts.
inline bool IsComplete(const Bytes& directory) {
  return directory.size() >= kHeaderSize && directory.size() >= EntryOffset(ImageCount(directory));
}

inline std::uint16_t ImageId(const Bytes& directory, std::size_t i) {
  return ReadU16(directory, EntryOffset(i) + kImageIdOffset);
}

}  // namespace morvane::group_directory
