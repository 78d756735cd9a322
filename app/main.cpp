// Morvane: takes the icons out of Windows program files.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/form_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  auto window = morvane::win32::FormWindow::Create(instance);
  if (!window) return 1;
  window->logic().Form_Load();  // with a file on the command line, this ends the program
  window->Show(showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window->TranslateDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
