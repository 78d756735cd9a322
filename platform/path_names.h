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

// A folder's path ending in "\", so that a file name can follow it: one is added if the last
// character is another.
inline std::wstring AsFolder(const std::wstring& path) {
  return !path.empty() && path.back() == L'\\' ? path : path + L'\\';
}

class PathNames {
 public:
  virtual ~PathNames() = default;
  // The long form of an existing path, whatever its length; nothing when there is none.
  virtual std::optional<std::wstring> LongPathName(const std::wstring& path) = 0;
  // The Windows folder, ending in "\".
  virtual std::wstring WindowsFolder() = 0;
  // Whether the path names an existing file, not a folder.
  virtual bool FileExists(const std::wstring& path) = 0;
};

}  // namespace morvane
