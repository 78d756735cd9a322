#pragma once
// The shell's icon count, and the long form and whereabouts of paths.
#include <windows.h>

#include "platform/path_names.h"
#include "platform/shell_icons.h"

namespace morvane::win32 {

// The shell's reader faults on a module whose offsets point outside it: callers check first.
class Win32ShellIcons final : public ShellIcons {
 public:
  unsigned CountIcons(const std::wstring& path) override;
};

class Win32PathNames final : public PathNames {
 public:
  std::optional<std::wstring> LongPathName(const std::wstring& path) override;
  std::wstring WindowsFolder() override;
  bool SystemFolderRedirected() override;
  bool FileExists(const std::wstring& path) override;
  bool FolderExists(const std::wstring& path) override;
  std::wstring FullPath(const std::wstring& path) override;
};

}  // namespace morvane::win32
