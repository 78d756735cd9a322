#include "platform/win32/win32_shell.h"

#include <shellapi.h>

#include "formats/module_file.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

bool IsSafeForShellReader(const std::wstring& path) {
  // A file that cannot be mapped, such as a missing or empty one, is the shell's to judge.
  unique_hfile file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr)};
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart == 0) return true;
  unique_handle mapping{CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr)};
  if (!mapping) return true;
  unique_view view{MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0)};
  if (!view) return true;
  return ShellReaderStaysInFile(static_cast<const std::uint8_t*>(view.get()),
                                static_cast<std::size_t>(size.QuadPart));
}

unsigned Win32ShellIcons::CountIcons(const std::wstring& path) {
  if (!IsSafeForShellReader(path)) return 0;
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

}  // namespace morvane::win32
