#pragma once
#include <optional>
#include <string>

namespace morvane {

class PathNames {
 public:
  virtual ~PathNames() = default;
  // The long form of an existing path, whatever its length; nothing when there is none.
  virtual std::optional<std::wstring> LongPathName(const std::wstring& path) = 0;
};

}  // namespace morvane
