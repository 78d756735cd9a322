#include "platform/win32/win32_shell.h"

#include <shellapi.h>

#include "platform/win32/written_text.h"

namespace morvane::win32 {

namespace {

DWORD AttributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

}  // namespace

unsigned Win32ShellIcons::CountIcons(const std::wstring& path) {
  // With the index -1 the "icon" is the number of icons in the file.
  const HICON count = ExtractIconW(GetModuleHandleW(nullptr), path.c_str(), static_cast<UINT>(-1));
  return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(count));
}

// A long form may exceed MAX_PATH.
std::optional<std::wstring> Win32PathNames::LongPathName(const std::wstring& path) {
  return WrittenText([&path](wchar_t* buffer, DWORD room) {
    return GetLongPathNameW(path.c_str(), buffer, room);
  });
}

// On a Remote Desktop host, GetWindowsDirectoryW gives a program that is not terminal-server
// aware a Windows folder of each user's own; System32 and SystemResources are the system's.
std::wstring Win32PathNames::WindowsFolder() {
  return AsFolder(WrittenText(GetSystemWindowsDirectoryW).value_or(L"C:\\Windows"));
}

bool Win32PathNames::SystemFolderRedirected() {
#ifdef _WIN64
  return false;
#else
  static const bool redirected = [] {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
  }();
  return redirected;
#endif
}

bool Win32PathNames::FileExists(const std::wstring& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32PathNames::FolderExists(const std::wstring& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Win32PathNames::FullPath(const std::wstring& path) {
  if (path.empty()) return path;
  return WrittenText([&path](wchar_t* buffer, DWORD room) {
           return GetFullPathNameW(path.c_str(), room, buffer, nullptr);
         })
      .value_or(path);
}

}  // namespace morvane::win32
