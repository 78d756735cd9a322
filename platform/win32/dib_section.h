#pragma once
// A top-down 32-bit DIB section: selecting it into and out of a DC is cheap, where a
// screen-compatible bitmap costs a tenth of a millisecond each time, and its bits can be read.
#include <windows.h>

namespace morvane::win32 {

inline HBITMAP DibSection(int width, int height, void** bits = nullptr) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* ignored = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &ignored, nullptr, 0);
}

}  // namespace morvane::win32
