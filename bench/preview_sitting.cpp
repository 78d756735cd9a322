// A sitting: one shown window loads several modules in turn, as a user does, through the
// open-file dialog or by a drop. For each load: from the dialog's return, or the drop, until the
// list on the screen shows that module's settled pixels, until the window answers a message
// again, the longest wait for an answer, and whether the window was ever hung.
//   preview_sitting.exe <dialog|drop> <module> <pictures folder> [<module> <pictures> ...]
// The pictures folders are those that preview_load.exe --settle kept. Prints a line per load.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <cstdio>
#include <string>
#include <thread>

#include "app/win32/form_window.h"
#include "bench/screen_watch.h"
#include "bench/timing.h"
#include "platform/win32/late_bound.h"

namespace {

using namespace morvane::bench;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) noexcept {
  wchar_t name[16]{};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Answers the open-file dialog that `thread` shows as a user would: types the path, presses OK.
// Gives the moment the dialog is gone.
double ChooseInDialog(DWORD thread, const std::wstring& path) {
  HWND dialog = nullptr;
  while (!dialog) {
    EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&dialog));
    Sleep(10);
  }
  Sleep(300);  // the dialog finishes setting up after it is shown
  HWND box = GetDlgItem(dialog, cmb13);
  SetWindowTextW(box ? box : GetDlgItem(dialog, edt1), path.c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  while (IsWindow(dialog)) Sleep(1);
  return Now();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  const bool byDialog = std::wstring(argv[1]) == L"dialog";
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  morvane::win32::late::InitCommonControlsEx(&controls);
  auto window = morvane::win32::FormWindow::Create(GetModuleHandleW(nullptr));
  if (!window) return 1;
  window->Show(SW_SHOWNORMAL);
  const DWORD windowThread = GetCurrentThreadId();
  SettledPicture(window->hwnd());

  for (int i = 2; i + 1 < argc; i += 2) {
    const std::wstring module = argv[i], pictures = argv[i + 1];
    StepFigures load;
    {
      Watcher watcher(window->hwnd(), ReadPicture(pictures + L"\\load.pixels"), false);
      if (byDialog) {
        std::thread chooser([&] { watcher.Begin(ChooseInDialog(windowThread, module)); });
        window->logic().Command1_Click(1);
        chooser.join();
      } else {
        watcher.Begin(Now());
        window->logic().ListView1_OLEDragDrop({module});  // what a drop does
      }
      AnswerUntilShown(watcher);
      load = watcher.Figures();
    }
    std::printf("load=%d via=%ls icons=%d", i / 2, argv[1], window->logic().iconCount());
    Print("load", load);
    std::printf("\n");
    std::fflush(stdout);
    SettledPicture(window->hwnd());
  }
  return 0;
}
