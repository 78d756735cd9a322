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

template <class Exists>
std::wstring Native(PathNames& paths, const std::wstring& path, Exists exists) {
  if (!paths.SystemFolderRedirected()) return path;
  const std::wstring full = paths.FullPath(path);  // "/", "." and ".." as the system reads them
  const std::wstring windows = paths.WindowsFolder();
  const std::wstring system = windows + L"System32";
  if (!StartsWith(full, system)) return path;
  const std::wstring after = full.substr(system.size());  // "", or "\" and what follows
  if (!after.empty() && after[0] != L'\\') return path;   // System32x
  if (!after.empty() && IsLeftAlone(after.substr(1))) return path;
  const std::wstring native = windows + L"Sysnative" + after;
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
