// Times what a user waits for when a module is dropped onto the shown window: from the drop
// until the window answers messages again, painting included. In the same run, alternating,
// the floor: one extraction call over all of the module's icons, handles destroyed. Prints the
// medians, their ratio, the time per icon and the peak working set after the first load
// against its bound: the working set before it plus 1.5 times the image list's pixels.
//   preview_load.exe <module> [runs]
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/form_window.h"
#include "bench/timing.h"
#include "platform/win32/late_bound.h"

namespace {

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

// Runs the window's messages until none is left: the list and the canvas have painted.
void AnswerMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring module = argv[1];
  const int runs = argc > 2 ? _wtoi(argv[2]) : 5;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  morvane::win32::late::InitCommonControlsEx(&controls);
  auto window = morvane::win32::FormWindow::Create(GetModuleHandleW(nullptr));
  if (!window) return 1;
  window->Show(SW_SHOWNORMAL);
  AnswerMessages();

  // A drop runs the same load as the open-file dialog, without a dialog to wait for.
  const auto load = [&] {
    window->logic().ListView1_OLEDragDrop({module});
    AnswerMessages();
  };
  const SIZE_T before = Memory().WorkingSetSize;
  const double start = morvane::bench::Now();
  load();
  const double first = morvane::bench::Now() - start;
  const SIZE_T peak = Memory().PeakWorkingSetSize;
  const int count = window->logic().iconCount();

  // ExtractIconExW calls this; under Wine's x86_64 build only this form gives every handle.
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  const auto [shown, floor] = morvane::bench::AlternatingMedians(runs, load, [&] {
    std::vector<HICON> icons(count);
    std::vector<UINT> ids(count);
    PrivateExtractIconsW(module.c_str(), 0, width, height, icons.data(), ids.data(),
                         static_cast<UINT>(count), LR_DEFAULTCOLOR);
    for (HICON icon : icons) {
      if (icon) DestroyIcon(icon);
    }
  });

  const SIZE_T pixels = SIZE_T{4} * count * width * height;
  const double bound = Megabytes(before) + 1.5 * Megabytes(pixels);
  std::printf("icons:                          %d\n", count);
  std::printf("shown-window load, first:       %.3f s\n", first);
  std::printf("shown-window load, median:      %.3f s  (%d runs)\n", shown, runs);
  std::printf("floor (one call), median:       %.3f s\n", floor);
  std::printf("ratio load / floor:             %.2f  (aim: <= 1.3)\n", shown / floor);
  std::printf("time per icon:                  %.3f ms\n", 1000 * shown / count);
  std::printf(
      "peak working set after load:    %.2f MB  (bound %.2f MB = %.2f MB before + "
      "1.5 x %.2f MB of pixels: %s)\n",
      Megabytes(peak), bound, Megabytes(before), Megabytes(pixels),
      Megabytes(peak) <= bound ? "within" : "above");
  return 0;
}
