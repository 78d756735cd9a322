#pragma once
// formats/: the binary formats Morvane reads and writes, plain C++ over bytes that includes
// nothing of the program. Here: bytes of a file, and the little-endian values in them.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

using Bytes = std::vector<std::uint8_t>;

// The caller makes sure that the bytes are there.
inline std::uint16_t ReadU16(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}
inline std::uint32_t ReadU32(const std::uint8_t* at) {
  return ReadU16(at) | static_cast<std::uint32_t>(ReadU16(at + 2)) << 16;
}
inline void PutU32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A file's bytes with their bounds, so that every read can first ask whether they are there.
class FileBytes {
 public:
  FileBytes(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

  bool Has(std::uint64_t at, std::uint64_t length) const {
    return at <= size_ && length <= size_ - at;
  }
  // Callers make sure with Has that the bytes are there.
  std::uint16_t U16(std::uint64_t at) const { return ReadU16(bytes_ + at); }
  std::uint32_t U32(std::uint64_t at) const { return ReadU32(bytes_ + at); }
  std::uint8_t U8(std::uint64_t at) const { return bytes_[at]; }
  const std::uint8_t* data() const { return bytes_; }
  std::size_t size() const { return size_; }

 private:
  const std::uint8_t* bytes_;
  std::size_t size_;
};

}  // namespace morvane
