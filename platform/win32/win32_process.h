#pragma once
#include <windows.h>

#include "platform/process.h"

namespace morvane::win32 {

class Win32Process final : public Process {
 public:
  // The window that AnswerWhileBusy repaints; none in a run that never shows one.
  void SetOwner(HWND owner) { owner_ = owner; }

  std::wstring ProgramFolder() override;
  std::wstring CommandLine() override;
  void DoEvents() override;
  Interruption AnswerWhileBusy() override;
  void DropWaitingInput() override;
  double Seconds() override;
  void EndProgram(int exitCode) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace morvane::win32
