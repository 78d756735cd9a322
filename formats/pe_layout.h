#pragma once
// Where the parts of a PE module lie in its file: the sections, by the addresses they have once
// loaded, and the address of the resource directory.
#include <cstdint>
#include <optional>
#include <vector>

#include "formats/bytes.h"

namespace morvane {

// A section as the loader reads a module mapped as data: its raw data, at its address.
struct PeSection {
  std::uint32_t address, rawSize, fileOffset;
};

struct PeLayout {
  std::vector<PeSection> sections;
  std::uint32_t resources = 0;  // the resource directory's address; 0 for a module without one

  // The file offset of `length` bytes at an address of the loaded module, if the raw data of
  // one section holds them all.
  bool Locate(const FileBytes& file, std::uint32_t address, std::uint32_t length,
              std::uint64_t& at) const;
};

// The layout of the PE module whose new header starts at `header`; nothing when its headers or
// its section table run past the end of the file. The resource table is looked for where the
// resource functions look for it, whatever the optional header's size.
std::optional<PeLayout> ReadPeLayout(const FileBytes& file, std::uint64_t header);

}  // namespace morvane
