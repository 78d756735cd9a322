#pragma once
// The main window's children, made from the layout table.
#include <windows.h>

#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

// Creates the controls of the layout in its order, scaled from 96 DPI to `dpi`, in the system's
// message font, and stacks them by tab index, so that the keyboard's focus follows it. The
// counter's font is fitted to it afterwards.
void BuildControls(HWND form, HINSTANCE instance, int dpi, HFONT font);

// The system's message font at the screen's resolution.
unique_hfont MessageFont();

}  // namespace morvane::win32
