#pragma once
#include <string>

namespace morvane {

class ShellIcons {
 public:
  virtual ~ShellIcons() = default;
  // How many icons the shell finds in the file; 0 for a missing file or one without icons.
  virtual unsigned CountIcons(const std::wstring& path) = 0;
};

}  // namespace morvane
