// How long the window takes to answer for an icon's images, on the shown window with a module
// of 33,000 groups loaded: the tip's text and the menu's lines for the first and the last icon,
// the menu itself from the keyboard's request until it is on the screen, and a 256 × 256 image
// saved as PNG through the system's codec.
//   icon_images.exe <module of 33,000 groups> <folder to write into>
// Prints the median of 15 of each, in milliseconds.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/form_window.h"
#include "bench/screen_watch.h"
#include "bench/timing.h"
#include "extract/image_export.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/wic_png_codec.h"
#include "platform/win32/win32_output_files.h"
#include "platform/win32/win32_shell.h"

namespace {

using namespace morvane::bench;

double g_menuShown = 0;

void CALLBACK CloseMenuOnceShown(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  if (g_menuShown == 0) g_menuShown = Now();
  EndMenu();
}

template <class Work>
double MedianMs(Work work) {
  std::vector<double> times;
  for (int i = 0; i < 15; ++i) {
    const double start = Now();
    work();
    times.push_back((Now() - start) * 1000);
  }
  return Median(times);
}

// A 256 × 256 image of 32 bits as a group holds it, its colours and alpha varied.
morvane::GroupImage LargeDib() {
  morvane::Bytes image(40 + 256 * 256 * 4 + 256 * 32);
  const std::uint32_t header[] = {40, 256, 512, 0x00200001};
  for (int i = 0; i < 4; ++i) morvane::PutU32(&image[4 * i], header[i]);
  for (std::size_t i = 40; i < 40 + 256 * 256 * 4; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  return {image, {256, 256, 32, false}};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  morvane::win32::late::InitCommonControlsEx(&controls);
  auto window = morvane::win32::FormWindow::Create(GetModuleHandleW(nullptr));
  if (!window) return 1;
  window->Show(SW_SHOWNORMAL);
  SettledPicture(window->hwnd());
  window->logic().ListView1_OLEDragDrop({argv[1]});
  SettledPicture(window->hwnd());
  morvane::MainWindow& logic = window->logic();
  const HWND list = window->Control(morvane::kListView1);
  const int last = logic.iconCount();

  const double tipFirst = MedianMs([&] { logic.ListView1_TipText(1); });
  const double tipLast = MedianMs([&] { logic.ListView1_TipText(last); });
  const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list, last - 1, state, state);
  ListView_EnsureVisible(list, last - 1, FALSE);
  SettledPicture(window->hwnd());
  const double linesLast = MedianMs([&] { logic.ListView1_MenuLines(); });
  std::vector<double> shown;
  for (int i = 0; i < 15; ++i) {
    g_menuShown = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, CloseMenuOnceShown);
    const double start = Now();
    SendMessageW(window->hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
    KillTimer(nullptr, timer);
    shown.push_back((g_menuShown - start) * 1000);
  }
  const double menuShown = Median(shown);

  morvane::win32::WicPngCodec codec;
  morvane::win32::Win32OutputFiles files;
  morvane::win32::Win32PathNames paths;
  const morvane::GroupImage image = LargeDib();
  const std::wstring png = std::wstring(argv[2]) + L"\\large.png";
  const double save = MedianMs([&] { morvane::SavePng(image, png, codec, files, paths); });
  DeleteFileW(png.c_str());

  std::printf(
      "icons=%d tip_first_ms=%.1f tip_last_ms=%.1f menu_lines_last_ms=%.1f "
      "menu_shown_ms=%.1f save_256_png_ms=%.1f\n",
      last, tipFirst, tipLast, linesLast, menuShown, save);
  return 0;
}
