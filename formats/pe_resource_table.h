#pragma once
// Checks of a module's resource table before it is read. The shell's icon reader follows the
// offsets of a module's headers and resource directory as they stand, and under Wine a file
// whose offsets point outside it makes it fault; so may the resource functions.
#include <cstddef>
#include <cstdint>

namespace morvane {

// False for a module (an "MZ" file) whose new header lies outside the file, and for a PE
// module whose headers, resource directories, entries, names or data entries do not all lie
// inside the file, or whose directory tree is not three levels deep or visits more entries
// than the file could hold. True for every other file.
bool ResourceTableLiesInFile(const std::uint8_t* file, std::size_t size);

// The same, and the data of every resource and every entry that a group directory counts lie
// inside the file as well, which the shell's reader goes through. Files that are no module
// are the shell's to judge.
bool ShellReaderStaysInFile(const std::uint8_t* file, std::size_t size);

}  // namespace morvane
