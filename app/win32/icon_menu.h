#pragma once
// The menu on an icon: "コピー(&C)" with Ctrl+C beside it, and "PNG で保存(&P)" with a line per
// image of the icon's group. Its items are greyed where the group is not usable.
#include <windows.h>

#include "app/main_window.h"

namespace morvane::win32 {

// Opens the menu for the selected icon at `screen`, or at that icon's place in the list when
// the keyboard asked (x and y of -1), and runs the choice. Nothing opens while the window is
// busy or no icon is selected.
void ShowIconMenu(HWND form, HWND list, POINT screen, MainWindow& logic);

}  // namespace morvane::win32
