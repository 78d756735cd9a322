#include "tests/win/program_runner.h"

#include <gtest/gtest.h>

#include <set>

namespace morvane::testing {

namespace {

struct Search {
  DWORD processId;
  std::vector<HWND> boxes;
  HWND mainWindow = nullptr;
};

BOOL CALLBACK Collect(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId) return TRUE;
  wchar_t className[64]{};
  GetClassNameW(window, className, 64);
  if (std::wstring(className) == L"#32770" && IsWindowVisible(window))
    search.boxes.push_back(window);
  if (std::wstring(className) == L"MainForm") search.mainWindow = window;
  return TRUE;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512]{};
  GetWindowTextW(window, text, 512);
  return text;
}

}  // namespace

ProgramRun RunProgram(const fs::path& exe, const std::wstring& arguments, DWORD timeoutMs,
                      void (*whileRunning)(HWND)) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ProgramRun run;
  const std::wstring folder = exe.parent_path().wstring();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    return run;
  }
  std::set<HWND> answered;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
    if (GetTickCount64() > deadline) {
      ADD_FAILURE() << exe.filename().string() << " still running after " << timeoutMs
                    << " ms: ended by the test";
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, 5000);
      break;
    }
    Search search{process.dwProcessId, {}, nullptr};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    if (search.mainWindow) {
      run.windowShown = run.windowShown || IsWindowVisible(search.mainWindow);
      if (whileRunning) whileRunning(search.mainWindow);
    }
    for (HWND box : search.boxes) {
      if (!answered.insert(box).second) continue;
      CaughtMessage message;
      message.caption = TextOf(box);
      message.text = TextOf(GetDlgItem(box, 0xFFFF));
      message.okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL);
      run.messages.push_back(message);
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  }
  run.ended = GetExitCodeProcess(process.hProcess, &run.exitCode) && run.exitCode != STILL_ACTIVE &&
              run.exitCode != 99;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

}  // namespace morvane::testing
