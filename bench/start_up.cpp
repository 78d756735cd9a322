// Start-up as a user meets it: from the process's creation until its window is shown and
// answers a message. Two programs are started in turn, so that both meet the same machine.
//   start_up.exe <runs> <program> <baseline program>
// Prints the median of each, in seconds, and their ratio.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/timing.h"

namespace {

using morvane::bench::Now;

struct Search {
  DWORD process;
  HWND found = nullptr;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lParam) noexcept {
  auto& search = *reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// Seconds from the start of `program` until its shown window answered; -1 when it never did.
double TimeStartUp(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = Now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return -1;
  }
  double answered = -1;
  Search search{process.dwProcessId};
  while (Now() - start < 60) {
    search.found = nullptr;
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    DWORD_PTR result = 0;
    if (search.found &&
        SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) {
      answered = Now() - start;
      break;
    }
    Sleep(1);
  }
  if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return answered;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  const int runs = _wtoi(argv[1]);
  TimeStartUp(argv[2]);  // the first start of each warms the system's caches
  TimeStartUp(argv[3]);
  std::vector<double> program, baseline;
  for (int i = 0; i < runs; ++i) {
    program.push_back(TimeStartUp(argv[2]));
    baseline.push_back(TimeStartUp(argv[3]));
  }
  const double a = morvane::bench::Median(program), b = morvane::bench::Median(baseline);
  std::printf("start-up, median of %d: %.3f s, empty window %.3f s, ratio %.2f\n", runs, a, b,
              a / b);
  return 0;
}
