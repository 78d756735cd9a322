#pragma once
// Where the icons of a source file are read from, for the preview and the extraction alike.
#include <memory>
#include <string>

#include "platform/path_names.h"
#include "platform/source_files.h"

namespace morvane {

struct IconSource {
  std::wstring path;                 // the file that holds the icons
  std::unique_ptr<SourceFile> file;  // that file mapped; null when it cannot be
  SystemError error;                 // why it cannot be, then
};

// Since Windows 10 1903, system files such as shell32.dll keep their icons in a resource-only
// module <Windows folder>\SystemResources\<file name>.mun, which the shell follows. A module
// without icon groups whose .mun exists is read from the .mun; any other file from itself, the
// file that the path names on 64-bit Windows (NativePathOf).
IconSource OpenIconSource(SourceFiles& files, PathNames& paths, const std::wstring& path);

}  // namespace morvane
