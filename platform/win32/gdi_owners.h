#pragma once
// Owners of GDI and USER drawing objects, and scopes for the pairs that must be undone: an object
// selected into a DC, and a window's DC borrowed for a while.
#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }

using unique_hbitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using unique_hfont = UniqueHandle<HFONT, DeleteGdiObject>;
using unique_hdc = UniqueHandle<HDC, DeleteDC>;  // CreateCompatibleDC
using unique_hicon = UniqueHandle<HICON, DestroyIcon>;

// `object` selected into `dc` for the scope; the object it replaced comes back at its end.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The DC of a window, or of the screen for none, for the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A top-down 32-bit DIB section: selecting it into and out of a DC is cheap, where a
// screen-compatible bitmap costs a tenth of a millisecond each time, and its bits can be read.
inline HBITMAP DibSection(int width, int height, void** bits = nullptr) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* ignored = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &ignored, nullptr, 0);
}

}  // namespace morvane::win32
