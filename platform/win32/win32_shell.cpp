#include "platform/win32/win32_shell.h"

#include <shellapi.h>

namespace morvane::win32 {

unsigned Win32ShellIcons::CountIcons(const std::wstring& path) {
  // With the index -1 the "icon" is the number of icons in the file.
  const HICON count = ExtractIconW(GetModuleHandleW(nullptr), path.c_str(), static_cast<UINT>(-1));
  return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(count));
}

std::optional<std::wstring> Win32PathNames::LongPathName(const std::wstring& path) {
  // Ask for the size first: a long form may exceed MAX_PATH.
  const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring longPath(needed, L'\0');
  const DWORD length = GetLongPathNameW(path.c_str(), longPath.data(), needed);
  if (length == 0 || length >= needed) return std::nullopt;
  longPath.resize(length);
  return longPath;
}

std::wstring Win32PathNames::WindowsFolder() {
  std::wstring folder(GetWindowsDirectoryW(nullptr, 0), L'\0');
  folder.resize(GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size())));
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder;
}

bool Win32PathNames::FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32PathNames::FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Win32PathNames::FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (path.empty() || needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return path;
  full.resize(length);
  return full;
}

}  // namespace morvane::win32
