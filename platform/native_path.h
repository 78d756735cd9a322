#pragma once
// The file that a path names, for a 32-bit program on 64-bit Windows too.
#include <string>

#include "platform/path_names.h"

namespace morvane {

// Under WoW64 the system shows a 32-bit program <Windows>\SysWOW64 where it names
// <Windows>\System32, but for a few subfolders. The file that the user named is the 64-bit
// system's, which such a program reaches as <Windows>\Sysnative: a path into System32 gives
// that path where the file (or, for `NativeFolderOf`, the folder) exists there, and itself
// everywhere else.
std::wstring NativePathOf(PathNames& paths, const std::wstring& path);
std::wstring NativeFolderOf(PathNames& paths, const std::wstring& folder);

}  // namespace morvane
