#pragma once
#include <optional>
#include <string>

namespace morvane {

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
