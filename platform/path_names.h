#pragma once
#include <optional>
#include <string>

namespace morvane {

// A Windows path split at its last "\": the folder up to and including it (empty when there is
// none), and the name after it (the whole path when there is none). "/" does not split.
inline std::wstring FolderOf(const std::wstring& path) {
  const std::size_t cut = path.rfind(L'\\');
  return cut == std::wstring::npos ? L"" : path.substr(0, cut + 1);
}
inline std::wstring NameOf(const std::wstring& path) { return path.substr(FolderOf(path).size()); }

inline bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// A folder's path ending in a separator, so that a file name can follow it: "\" is added
// where the last character is another.
inline std::wstring AsFolder(const std::wstring& path) {
  return !path.empty() && IsPathSeparator(path.back()) ? path : path + L'\\';
}

// "D:" and the like: a drive letter and a colon.
inline bool StartsWithDrive(const std::wstring& path) {
  return path.size() >= 2 && path[1] == L':' &&
         ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}
// A path that names the same file whatever the current drive and folder: "D:\..." or
// "\\server\share\...".
inline bool IsFullPath(const std::wstring& path) {
  if (StartsWithDrive(path)) return path.size() > 2 && IsPathSeparator(path[2]);
  return path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
}

class PathNames {
 public:
  virtual ~PathNames() = default;
  // The long form of an existing path, whatever its length; nothing when there is none.
  virtual std::optional<std::wstring> LongPathName(const std::wstring& path) = 0;
  // The system's Windows folder, ending in "\".
  virtual std::wstring WindowsFolder() = 0;
  // Whether this is a 32-bit program on 64-bit Windows, which shows it the folder
  // <Windows>\SysWOW64 where it names <Windows>\System32 (WoW64).
  virtual bool SystemFolderRedirected() = 0;
  // Whether the path names an existing file, not a folder.
  virtual bool FileExists(const std::wstring& path) = 0;
  // Whether the path names an existing folder.
  virtual bool FolderExists(const std::wstring& path) = 0;
  // The full path of a relative one, against the process's current directory; the path as it
  // is where it has none.
  virtual std::wstring FullPath(const std::wstring& path) = 0;
};

}  // namespace morvane
