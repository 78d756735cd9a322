// Morvane: takes the icons out of Windows program files.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/form_window.h"

namespace {

// OLE for drag and drop and the shell's dialogs, undone only if it was done.
class OleScope {
 public:
  OleScope() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleScope() {
    if (initialized_) OleUninitialize();
  }
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;

 private:
  bool initialized_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  auto window = morvane::win32::FormWindow::Create(instance);
  if (!window) return 1;
  window->logic().Form_Load();  // with a file on the command line, this ends the program

  // Only the shown window needs OLE, for drops and the shell's folder browser.
  const OleScope ole;
  window->Show(showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window->TranslateDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
