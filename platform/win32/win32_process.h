#pragma once
#include <windows.h>

#include "platform/process.h"

namespace morvane::win32 {

class Win32Process final : public Process {
 public:
  // The window that KeepAnswering repaints; none in a run that never shows one.
  void SetOwner(HWND owner) { owner_ = owner; }

  std::wstring ProgramFolder() override;
  std::wstring CommandLine() override;
  void DoEvents() override;
  void KeepAnswering() override;
  double Seconds() override;
  void EndProgram() override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace morvane::win32
