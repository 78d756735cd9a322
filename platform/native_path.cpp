#include "platform/native_path.h"

namespace morvane {

namespace {

wchar_t Upper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

// Whether `path` starts with `start`, letters in either case.
bool StartsWith(const std::wstring& path, const std::wstring& start) {
  if (path.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    if (Upper(path[i]) != Upper(start[i])) return false;
  }
  return true;
}

// The subfolders of System32 that WoW64 does not redirect.
bool IsLeftAlone(const std::wstring& rest) {
  for (const wchar_t* folder :
       {L"catroot", L"catroot2", L"driverstore", L"drivers\\etc", L"logfiles", L"spool"}) {
    const std::wstring name = folder;
    if (StartsWith(rest, name) && (rest.size() == name.size() || rest[name.size()] == L'\\')) {
      return true;
    }
  }
  return false;
}

// "\\?\" or "\\.\" before a drive letter: the same file as the path after it, which WoW64
// redirects the same way. "\\?\UNC\" and other network paths it leaves alone.
std::size_t DevicePrefixLength(const std::wstring& path) {
  const bool device = path.size() >= 4 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]) &&
                      (path[2] == L'?' || path[2] == L'.') && IsPathSeparator(path[3]);
  return device && StartsWithDrive(path.substr(4)) ? 4 : 0;
}

template <class Exists>
std::wstring Native(PathNames& paths, const std::wstring& path, Exists exists) {
  if (!paths.SystemFolderRedirected()) return path;
  const std::wstring full = paths.FullPath(path);  // "/", "." and ".." as the system reads them
  const std::size_t prefix = DevicePrefixLength(full);
  const std::wstring windows = paths.WindowsFolder();
  const std::wstring system = windows + L"System32";
  if (!StartsWith(full.substr(prefix), system)) return path;
  const std::wstring after = full.substr(prefix + system.size());  // "", or "\" and what follows
  if (!after.empty() && after[0] != L'\\') return path;            // System32x
  if (!after.empty() && IsLeftAlone(after.substr(1))) return path;
  const std::wstring native = full.substr(0, prefix) + windows + L"Sysnative" + after;
  return exists(native) ? native : path;
}

}  // namespace

std::wstring NativePathOf(PathNames& paths, const std::wstring& path) {
  return Native(paths, path,
                [&paths](const std::wstring& native) { return paths.FileExists(native); });
}

std::wstring NativeFolderOf(PathNames& paths, const std::wstring& folder) {
  return Native(paths, folder,
                [&paths](const std::wstring& native) { return paths.FolderExists(native); });
}

}  // namespace morvane
