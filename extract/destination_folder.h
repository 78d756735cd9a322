#pragma once
// The folder that the destination field names, whatever the process's current directory.
#include <optional>
#include <string>

namespace morvane {

// The folder, ending in "\": a full path as it stands ("D:\out", "\\server\share\out"); any
// other against the program's folder, the folder that an empty field means too: "out" is the
// folder out in it, "\out" the folder out at the root of its drive. Nothing for a path that
// names a drive's current folder ("D:out"): there is no such folder to write into.
std::optional<std::wstring> DestinationFolder(const std::wstring& field,
                                              const std::wstring& programFolder);

}  // namespace morvane
