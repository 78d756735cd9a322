// Writes every icon group of a module with WriteIconFiles and, in the same run, the same
// bytes as the same number of files with one plain write each. Prints both medians and their
// ratio, and the peak working set of the first run against its bound: the working set before
// the run plus twice the bytes of the largest group.
//   write_icons.exe <module> [runs]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "tests/win/real_run.h"

namespace {

using morvane::testing::fs::path;

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

SIZE_T PeakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) noexcept {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

void WritePlain(const std::map<std::wstring, std::vector<unsigned char>>& files,
                const std::wstring& folder) {
  for (const auto& [name, bytes] : files) {
    HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const path module = argv[1];
  const int runs = argc > 2 ? _wtoi(argv[2]) : 15;
  morvane::testing::TempFolder out, plain;
  morvane::testing::RealRun form;
  form.SetSource(module);
  form.files.destination = out.WithBackslash();
  HMODULE probe = LoadLibraryExW(module.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  int groups = 0;
  EnumResourceNamesW(probe, RT_GROUP_ICON, CountName, reinterpret_cast<LONG_PTR>(&groups));
  FreeLibrary(probe);

  const SIZE_T base = PeakWorkingSet();
  form.Run(1, static_cast<std::int16_t>(groups));
  const SIZE_T peak = PeakWorkingSet();
  const auto files = morvane::testing::FilesIn(out.path());
  std::size_t largest = 0, total = 0;
  for (const auto& file : files) {
    largest = std::max(largest, file.second.size());
    total += file.second.size();
  }

  const auto [writer, floor] = morvane::bench::AlternatingMedians(
      runs, [&] { form.Run(1, static_cast<std::int16_t>(groups)); },
      [&] { WritePlain(files, plain.WithBackslash()); });

  const SIZE_T bound = base + 2 * largest;
  std::printf("groups written:               %zu of %d (%.2f MB)\n", files.size(), groups,
              Megabytes(total));
  std::printf("WriteIconFiles, median:       %.4f s\n", writer);
  std::printf("plain writes, median:         %.4f s\n", floor);
  std::printf("ratio WriteIconFiles / plain: %.2f  (aim: <= 1.5)\n", writer / floor);
  std::printf(
      "peak working set, first run:  %.2f MB  (bound %.2f MB = %.2f MB before + 2 x "
      "%.2f MB largest group: %s)\n",
      Megabytes(peak), Megabytes(bound), Megabytes(base), Megabytes(largest),
      peak <= bound ? "within" : "above");
  return 0;
}
