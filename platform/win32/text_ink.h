#pragma once
// How far a text inks, drawn on one line as a static control draws it.
#include <windows.h>

#include <string>

#include "platform/controls.h"

namespace morvane::win32 {

// The ink of `text` in `font`, from the top left corner, within `room` pixels.
PixelSize TextInk(HFONT font, const std::wstring& text, PixelSize room);

}  // namespace morvane::win32
