#pragma once
// An independent reading of a module's icon groups, straight from its resource section or
// table, without the Windows resource functions: what extracting the file must give back.
#include <cstdint>
#include <vector>

namespace morvane::testing {

using FileBytes = std::vector<unsigned char>;

// One .ico file per RT_GROUP_ICON, in resource directory order. Where a resource exists in
// several languages the language-neutral one is taken, else the first. Throws on a file that
// is not a well-formed PE image.
std::vector<FileBytes> IconFilesFromPe(const FileBytes& file);

// One .ico file per icon group of a 16-bit (NE) module, in resource table order. Each image is
// the first bytes of its resource, as many as the group declares. Throws on a file that is not
// a well-formed NE module.
std::vector<FileBytes> IconFilesFromNe(const FileBytes& file);

}  // namespace morvane::testing
