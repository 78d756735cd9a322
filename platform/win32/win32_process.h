#pragma once
#include <windows.h>

#include "platform/process.h"

namespace morvane::win32 {

class Win32Process final : public Process {
 public:
  std::wstring ProgramFolder() override;
  std::wstring CommandLine() override;
  double Seconds() override;
  void EndProgram(int exitCode) override;
};

}  // namespace morvane::win32
