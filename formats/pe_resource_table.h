#pragma once
// The resource table of a PE module, checked before the shell's icon reader follows its
// offsets: under Wine, offsets that point outside the file make it fault.
#include <cstdint>

#include "formats/bytes.h"
#include "formats/pe_layout.h"

namespace morvane {

// Whether what the shell's icon reader follows lies inside the file: the headers at `header`,
// the resource directory's types, and under the icon types (RT_GROUP_ICON, RT_ICON) a tree
// three levels deep, visiting no more entries than the file could hold, whose names, data
// entries and data, and every entry that a group directory counts, lie in the file. The
// resources of other types are no business of that reader.
bool PeShellReaderStaysInFile(const FileBytes& file, std::uint64_t header);

}  // namespace morvane
