#pragma once
// The main window's children, made from the layout table.
#include <windows.h>

#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

// Creates the controls of the layout in its order, scaled from 96 DPI to `dpi`, in `font`, and
// stacks them by tab index, so that the keyboard's focus follows it. The counter's font is
// fitted to it afterwards.
void BuildControls(HWND form, HINSTANCE instance, int dpi, HFONT font);

// Moves the controls to where the layout has them at `dpi`, and gives them `font`.
void PlaceControls(HWND form, int dpi, HFONT font);

// The font of the captions and fields at `dpi`: the message font, or another, at the largest
// size at which every text stands whole in its control (caption_font.h).
unique_hfont FittedUiFont(int dpi);

}  // namespace morvane::win32
