// A change of monitor on the shown window with a module loaded, in one window, as a user drags
// it between monitors of 100 %, 150 % and 200 %: Windows sends WM_DPICHANGED, which Wine never
// does, so this sends it from the window's own thread, after WM_GETDPISCALEDSIZE as Windows
// does, in the steps 96 → 144 → 192 → 96, as the window tests do. A first round lets each step
// settle and keeps its pixels; every later round times, from the message, until the screen shows
// the window so again, and notes the longest wait of a message sent to it meanwhile.
//   monitor_change.exe <module> [rounds]
// Prints, per step, the median over the rounds in seconds.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/form_window.h"
#include "bench/screen_watch.h"
#include "bench/timing.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/window_dpi.h"

namespace {

using namespace morvane::bench;

// The rectangle Windows makes for a change of monitor: the window's place, and the size it
// answers to WM_GETDPISCALEDSIZE, or its size scaled linearly where it gives none.
RECT Suggested(HWND form, int from, int to) {
  RECT frame;
  GetWindowRect(form, &frame);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  if (!SendMessageW(form, morvane::win32::kGetDpiScaledSize, to, reinterpret_cast<LPARAM>(&size))) {
    size = {MulDiv(frame.right - frame.left, to, from), MulDiv(frame.bottom - frame.top, to, from)};
  }
  return {frame.left, frame.top, frame.left + size.cx, frame.top + size.cy};
}

void Change(HWND form, int dpi, RECT suggested) {
  SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const int rounds = argc > 2 ? _wtoi(argv[2]) : 9;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  morvane::win32::late::InitCommonControlsEx(&controls);
  auto window = morvane::win32::FormWindow::Create(GetModuleHandleW(nullptr));
  if (!window) return 1;
  window->Show(SW_SHOWNORMAL);
  const HWND form = window->hwnd();
  window->logic().LoadSource(argv[1]);
  SetFocus(window->Control(morvane::kListView1));  // no caret to blink on the screen
  SettledPicture(form);

  const int steps[] = {144, 192, 96};
  std::map<int, Pixels> settled;
  std::map<int, std::vector<double>> shown, longest;
  int at = 96;
  for (int round = 0; round <= rounds; ++round) {
    for (const int dpi : steps) {
      const RECT area = Suggested(form, std::exchange(at, dpi), dpi);
      if (round == 0) {
        Change(form, dpi, area);
        settled[dpi] = SettledPicture({area});
        continue;
      }
      Watcher watcher(form, settled[dpi], {area});
      Change(form, dpi, area);
      AnswerUntilShown(watcher);
      const StepFigures figures = watcher.Figures();
      shown[dpi].push_back(figures.pictureShown);
      longest[dpi].push_back(figures.longestWait);
      SettledPicture({area});
    }
  }
  const int icons = window->logic().iconCount();
  window.reset();
  std::printf("icons=%d rounds=%d\n", icons, rounds);
  int from = 96;
  for (const int dpi : steps) {
    std::printf("  %d -> %d DPI: drawn again %.3f s, longest wait %.3f s\n", from, dpi,
                Median(shown[dpi]), Median(longest[dpi]));
    from = dpi;
  }
  return 0;
}
