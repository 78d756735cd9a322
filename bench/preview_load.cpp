// One run of what a user sees when a module is dropped onto the shown window, and when End is
// then pressed in the list: the times read from the screen, the window's answers to messages,
// and the memory the process holds. Run in a process that does nothing else.
//   preview_load.exe <module> <pictures folder> [--settle]
// With --settle it waits until the list's pixels stop changing, after the load and after End,
// and keeps them in the folder as the settled pictures that later runs wait for. Prints one
// line of name=value figures; times are in seconds, -1 for a picture never reached.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/form_window.h"
#include "bench/screen_watch.h"
#include "bench/timing.h"
#include "platform/win32/late_bound.h"

namespace {

using namespace morvane::bench;

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

void PressEnd(HWND list) {
  SetFocus(list);
  PostMessageW(list, WM_KEYDOWN, VK_END, 0x014F0001);
  PostMessageW(list, WM_KEYUP, VK_END, 0xC14F0001);
}

// One extraction call over every icon, where one call can hold them: Windows allows a process
// 10,000 USER objects.
double Floor(const std::wstring& module, int count) {
  if (count > 8000) return -1;
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  std::vector<HICON> icons(count);
  std::vector<UINT> ids(count);
  const double start = Now();
  PrivateExtractIconsW(module.c_str(), 0, width, height, icons.data(), ids.data(),
                       static_cast<UINT>(count), LR_DEFAULTCOLOR);
  for (HICON icon : icons) {
    if (icon) DestroyIcon(icon);
  }
  return Now() - start;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring module = argv[1], pictures = argv[2];
  const bool settle = argc > 3 && std::wstring(argv[3]) == L"--settle";
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  morvane::win32::late::InitCommonControlsEx(&controls);
  auto window = morvane::win32::FormWindow::Create(GetModuleHandleW(nullptr));
  if (!window) return 1;
  window->Show(SW_SHOWNORMAL);
  const HWND list = window->Control(morvane::kListView1);
  SettledPicture(window->hwnd());

  const SIZE_T before = Memory().WorkingSetSize;
  StepFigures load, end;
  if (settle) {
    window->logic().ListView1_OLEDragDrop({module});
    WritePicture(pictures + L"\\load.pixels", SettledPicture(window->hwnd()));
    PressEnd(list);
    WritePicture(pictures + L"\\end.pixels", SettledPicture(window->hwnd()));
  } else {
    {
      Watcher watcher(window->hwnd(), ReadPicture(pictures + L"\\load.pixels"));
      window->logic().ListView1_OLEDragDrop({module});  // what a drop does
      AnswerUntilShown(watcher);
      load = watcher.Figures();
    }
    SettledPicture(window->hwnd());
    {
      Watcher watcher(window->hwnd(), ReadPicture(pictures + L"\\end.pixels"));
      PressEnd(list);
      AnswerUntilShown(watcher);
      end = watcher.Figures();
    }
  }
  const SIZE_T peak = Memory().PeakWorkingSetSize;
  const int count = window->logic().iconCount();
  window.reset();

  std::printf("icons=%d", count);
  Print("load", load);
  Print("end", end);
  std::printf(" ws_before_mb=%.1f ws_peak_mb=%.1f floor=%.3f\n", Megabytes(before), Megabytes(peak),
              settle ? -1.0 : Floor(module, count));
  return 0;
}
