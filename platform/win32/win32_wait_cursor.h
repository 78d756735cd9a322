#pragma once
// The wait cursor over the window, set at once and kept for as long as the window waits: the
// window asks for it whenever the system would choose its pointer (WM_SETCURSOR).
#include <windows.h>

#include "platform/wait_cursor.h"

namespace morvane::win32 {

class Win32WaitCursor final : public WaitCursor {
 public:
  // Without a window, as in a run that never shows one, the pointer is left alone.
  void SetOwner(HWND owner) { owner_ = owner; }

  void SetWaiting(bool waiting) override {
    if (!owner_ || waiting == waiting_) return;
    waiting_ = waiting;
    if (waiting) {
      previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      return;
    }
    SetCursor(previous_ ? previous_ : LoadCursorW(nullptr, IDC_ARROW));
  }

  // For WM_SETCURSOR: true when the window waits and the wait cursor is set.
  bool ShowIfWaiting() const {
    if (!waiting_) return false;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
  }

 private:
  HWND owner_ = nullptr;
  bool waiting_ = false;
  HCURSOR previous_ = nullptr;
};

}  // namespace morvane::win32
