#pragma once
// Builds group directories and icon files byte by byte, for expectations in tests.
#include <cstdint>
#include <vector>

namespace morvane::testing {

using ByteVector = std::vector<std::uint8_t>;

struct DirectoryEntry {
  std::uint8_t width, height, colours;
  std::uint16_t planes, bitsPerPixel;
  std::uint32_t byteCount;
  std::uint16_t imageId;
};

inline void AppendLE(ByteVector& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An RT_GROUP_ICON resource. `countOverride` lets a directory claim more entries than it holds.
inline ByteVector GroupDirectory(const std::vector<DirectoryEntry>& entries,
                                 int countOverride = -1) {
  ByteVector out;
  AppendLE(out, 0, 2);
  AppendLE(out, 1, 2);
  AppendLE(out, countOverride < 0 ? entries.size() : static_cast<std::uint32_t>(countOverride), 2);
  for (const DirectoryEntry& e : entries) {
    out.insert(out.end(), {e.width, e.height, e.colours, 0});
    AppendLE(out, e.planes, 2);
    AppendLE(out, e.bitsPerPixel, 2);
    AppendLE(out, e.byteCount, 4);
    AppendLE(out, e.imageId, 2);
  }
  return out;
}

// An .ico file as it should come out: entries carry the real image sizes and offsets.
inline ByteVector IconFile(const std::vector<DirectoryEntry>& entries,
                           const std::vector<ByteVector>& images) {
  ByteVector out;
  AppendLE(out, 0, 2);
  AppendLE(out, 1, 2);
  AppendLE(out, entries.size(), 2);
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const DirectoryEntry& e = entries[i];
    out.insert(out.end(), {e.width, e.height, e.colours, 0});
    AppendLE(out, e.planes, 2);
    AppendLE(out, e.bitsPerPixel, 2);
    AppendLE(out, static_cast<std::uint32_t>(images[i].size()), 4);
    AppendLE(out, offset, 4);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const ByteVector& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

// Whether an .ico file's entries describe exactly its bytes: the images back to back after
// the header, the last one ending where the file ends.
inline bool IsSelfConsistentIco(const ByteVector& ico) {
  auto u32 = [&](std::size_t at) {
    return ico[at] | ico[at + 1] << 8 | ico[at + 2] << 16 | std::uint32_t{ico[at + 3]} << 24;
  };
  if (ico.size() < 6) return false;
  const std::size_t count = ico[4] | ico[5] << 8;
  std::uint64_t next = 6 + 16 * count;
  if (next > ico.size()) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    if (u32(entry + 12) != next) return false;
    next += u32(entry + 8);
  }
  return next == ico.size();
}

// Recognisable image bytes of a given length.
inline ByteVector Image(std::size_t size, std::uint8_t seed) {
  ByteVector out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(seed + i * 7);
  return out;
}

}  // namespace morvane::testing
