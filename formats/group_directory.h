#pragma once
// The group directory of an icon resource: a 6-byte header holding the image count n at
// offset 4, then n entries of 14 bytes. An entry holds the image's size in bytes at offset 8
// and ends in the 16-bit id of its image resource.
#include <cstddef>
#include <cstdint>

#include "formats/bytes.h"

namespace morvane::group_directory {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kCountOffset = 4;
constexpr std::size_t kEntrySize = 14;
constexpr std::size_t kImageBytesOffset = 8;
constexpr std::size_t kImageIdOffset = 12;

inline std::size_t EntryOffset(std::size_t i) { return kHeaderSize + kEntrySize * i; }

inline std::uint16_t ImageCount(const Bytes& directory) {
  return ReadU16(&directory[kCountOffset]);
}

// True when the directory holds its header and every entry it counts.
inline bool IsComplete(const Bytes& directory) {
  return directory.size() >= kHeaderSize && directory.size() >= EntryOffset(ImageCount(directory));
}

// Entry i of a complete directory.
inline std::uint16_t ImageId(const Bytes& directory, std::size_t i) {
  return ReadU16(&directory[EntryOffset(i) + kImageIdOffset]);
}
inline std::uint32_t DeclaredImageBytes(const Bytes& directory, std::size_t i) {
  return ReadU32(&directory[EntryOffset(i) + kImageBytesOffset]);
}

}  // namespace morvane::group_directory
