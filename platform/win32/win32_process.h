#pragma once
#include "platform/process.h"

namespace morvane::win32 {

class Win32Process final : public Process {
 public:
  std::wstring ProgramFolder() override;
  std::wstring CommandLine() override;
  void DoEvents() override;
  void EndProgram() override;
};

}  // namespace morvane::win32
