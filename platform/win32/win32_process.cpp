#include "platform/win32/win32_process.h"

#include <windows.h>

#include "platform/win32/busy_input.h"

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

void Win32Process::DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

Interruption Win32Process::AnswerWhileBusy() {
  Interruption asked = Interruption::None;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    const BusyInput input = WhileBusy(message);
    if (input == BusyInput::Stop) asked = Interruption::Stop;
    if (input != BusyInput::Dispatch) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (owner_) RedrawWindow(owner_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return asked;
}

void Win32Process::DropWaitingInput() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_DEADCHAR, PM_REMOVE)) {
  }
  while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

double Win32Process::Seconds() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Win32Process::EndProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace morvane::win32
