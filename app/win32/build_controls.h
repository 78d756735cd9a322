#pragma once
// The main window's children, made from the layout table.
#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

// The fonts the controls are drawn in: the system's message font for all of them but the
// counter, which has its own.
struct ControlFonts {
  unique_hfont ui;
  unique_hfont counter;
};

// Creates the controls of the layout in its order, scaled from 96 DPI to `dpi`, each in its
// font, and stacks them by tab index, so that the keyboard's focus follows it.
void BuildControls(HWND form, HINSTANCE instance, int dpi, const ControlFonts& fonts);

// The fonts of the controls at `dpi`.
ControlFonts MakeControlFonts(int dpi);

}  // namespace morvane::win32
