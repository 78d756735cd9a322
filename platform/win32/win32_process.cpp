#include "platform/win32/win32_process.h"

#include <windows.h>

namespace morvane::win32 {

std::wstring Win32Process::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // a long path: try again with room for it
  }
  return path.substr(0, path.rfind(L'\\') + 1);
}

std::wstring Win32Process::CommandLine() { return GetCommandLineW(); }

double Win32Process::Seconds() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Win32Process::EndProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace morvane::win32
