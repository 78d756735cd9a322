#pragma once
// What kind of module a file is, and whether the shell's reader of its icons stays inside it.
#include <cstddef>
#include <cstdint>

#include "formats/bytes.h"

namespace morvane {

enum class ModuleKind {
  None,    // no "MZ" file: the shell judges it by itself
  Broken,  // an "MZ" file whose new header lies outside it
  Pe,      // a 32- or 64-bit module
  Ne,      // a 16-bit module or icon library
  Other,   // an "MZ" file of another kind, such as a DOS program
};

// The kind of the file, and where its new header starts.
ModuleKind KindOfModule(const FileBytes& file, std::uint64_t& newHeader);

// Whether the shell's icon reader, which follows a module's offsets as they stand, stays
// inside the file: false for a broken "MZ" file; for a PE module, PeShellReaderStaysInFile;
// for an NE module, its whole resource table, every group directory with its entries and every
// image. Files that are no module are the shell's to judge.
bool ShellReaderStaysInFile(const std::uint8_t* file, std::size_t size);

}  // namespace morvane
