#pragma once
// The resource table of a PE module, checked before the resource functions or the shell's
// icon reader follow its offsets: under Wine, offsets that point outside the file make them
// fault.
#include <cstdint>

#include "formats/bytes.h"
#include "formats/pe_layout.h"

namespace morvane {

// Whether the headers at `header`, the resource directories, entries, names and data entries
// all lie inside the file, in a tree three levels deep that visits no more entries than the
// file could hold. For the shell's reader, also the data of every resource and every entry
// that a group directory counts.
bool PeResourceTableLiesInFile(const FileBytes& file, std::uint64_t header, bool forShell);
// The same, for a module whose layout has been read already.
bool PeResourceTableLiesInFile(const FileBytes& file, const PeLayout& layout, bool forShell);

}  // namespace morvane
