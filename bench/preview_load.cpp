// Times the preview's load of every icon of a module in the real window and, in the same
// run, the floor: one extraction call over all of the module's icons, handles destroyed.
//   preview_load.exe <module> [runs]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "app/win32/form_window.h"
#include "platform/win32/late_bound.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring module = argv[1];
  const int runs = argc > 2 ? _wtoi(argv[2]) : 15;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  morvane::win32::late::InitCommonControlsEx(&controls);
  auto window = morvane::win32::FormWindow::Create(GetModuleHandleW(nullptr));
  if (!window) return 1;

  window->logic().LoadIconList(module);  // warm up, and count
  const int count = window->logic().iconCount();

  // ExtractIconExW calls this; under Wine's x86_64 build only this form gives every handle.
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  const auto [load, floor] = morvane::bench::AlternatingMedians(
      runs, [&] { window->logic().LoadIconList(module); },
      [&] {
        std::vector<HICON> icons(count);
        std::vector<UINT> ids(count);
        PrivateExtractIconsW(module.c_str(), 0, width, height, icons.data(), ids.data(),
                             static_cast<UINT>(count), LR_DEFAULTCOLOR);
        for (HICON icon : icons) {
          if (icon) DestroyIcon(icon);
        }
      });

  std::printf("icons:                        %d\n", count);
  std::printf("preview load, median:         %.4f s\n", load);
  std::printf("floor (one call), median:     %.4f s\n", floor);
  std::printf("ratio load / floor:           %.2f  (aim: <= 1.5)\n", load / floor);
  return 0;
}
