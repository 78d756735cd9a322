#pragma once
// A window that draws nothing for one scope, and may be drawn again at its end.
#include <windows.h>

namespace morvane::win32 {

class RedrawHeld {
 public:
  explicit RedrawHeld(HWND window) : window_(window) {
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawHeld() { SendMessageW(window_, WM_SETREDRAW, TRUE, 0); }
  RedrawHeld(const RedrawHeld&) = delete;
  RedrawHeld& operator=(const RedrawHeld&) = delete;

 private:
  HWND window_;
};

}  // namespace morvane::win32
