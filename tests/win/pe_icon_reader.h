#pragma once
// An independent reading of a PE file's icon groups, straight from its resource section,
// without the Windows resource functions: what extracting the file must give back.
#include <cstdint>
#include <vector>

namespace morvane::testing {

using FileBytes = std::vector<unsigned char>;

// One .ico file per RT_GROUP_ICON, in resource directory order. Where a resource exists in
// several languages the language-neutral one is taken, else the first. Throws on a file that
// is not a well-formed PE image.
std::vector<FileBytes> IconFilesFromPe(const FileBytes& file);

}  // namespace morvane::testing
