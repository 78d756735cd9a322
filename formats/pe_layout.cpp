#include "formats/pe_layout.h"

namespace morvane {

bool PeLayout::Locate(const FileBytes& file, std::uint32_t address, std::uint32_t length,
                      std::uint64_t& at) const {
  for (const PeSection& s : sections) {
    if (address < s.address || address - s.address >= s.rawSize) continue;
    // Bytes past the section's raw data belong to another part of the file, or to none.
    if (length > s.rawSize - (address - s.address)) return false;
    at = std::uint64_t{s.fileOffset} + (address - s.address);
    return file.Has(at, length);
  }
  return false;
}

std::optional<PeLayout> ReadPeLayout(const FileBytes& file, std::uint64_t header) {
  if (!file.Has(header, 24)) return std::nullopt;
  const std::uint32_t sectionCount = file.U16(header + 6);
  const std::uint32_t optionalSize = file.U16(header + 20);
  const std::uint64_t optional = header + 24;
  if (!file.Has(optional, 2)) return std::nullopt;
  const std::uint64_t resourceEntry = optional + (file.U16(optional) == 0x20B ? 112 : 96) + 16;
  if (!file.Has(resourceEntry, 8)) return std::nullopt;
  PeLayout layout;
  layout.resources = file.U32(resourceEntry);
  if (layout.resources == 0) return layout;  // no resources: the sections do not matter

  const std::uint64_t table = optional + optionalSize;
  if (!file.Has(table, 40ull * sectionCount)) return std::nullopt;
  for (std::uint32_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t s = table + 40 * i;
    layout.sections.push_back({file.U32(s + 12), file.U32(s + 16), file.U32(s + 20)});
  }
  return layout;
}

}  // namespace morvane
