// Morvane: takes the icons out of Windows program files.
#include <windows.h>
#include <commctrl.h>

#include "app/win32/form_window.h"
#include "app/win32/hidden_form.h"
#include "platform/program_texts.h"
#include "platform/win32/fatal_failure.h"
#include "platform/win32/late_bound.h"

namespace {

namespace late = morvane::win32::late;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  if (morvane::win32::HiddenForm::Wanted()) {
    try {
      morvane::win32::HiddenForm form;
      form.logic().Form_Load();  // writes the file's icons and ends the program
    } catch (...) {
      morvane::win32::EndAfterFailure(morvane::texts::kWritingIcons);
    }
    return 0;
  }

  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  late::InitCommonControlsEx(&controls);

  // Without a file on the command line, loading the form changes nothing: show it.
  auto window = morvane::win32::FormWindow::Create(instance);
  if (!window) morvane::win32::EndWithMessage(morvane::texts::kNoWindow);
  window->Show(showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window->TranslateDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
