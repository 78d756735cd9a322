#pragma once
// Runs a program in a process of its own, answering its message boxes as a user would.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/message_box_catcher.h"
#include "tests/win/test_files.h"

namespace morvane::testing {

struct ProgramRun {
  bool ended = false;  // false: it was still running when the time ran out, and was killed
  DWORD exitCode = 0;
  bool windowShown = false;             // whether its main window ever became visible
  std::vector<CaughtMessage> messages;  // text and caption of each box, in order
};

// Starts `exe` with `arguments` in the exe's folder and waits for it to end. Each message box
// it opens is recorded and confirmed. `whileRunning` is called every few milliseconds with the
// process's main window, once that exists.
ProgramRun RunProgram(const fs::path& exe, const std::wstring& arguments, DWORD timeoutMs = 60000,
                      void (*whileRunning)(HWND) = nullptr);

}  // namespace morvane::testing
