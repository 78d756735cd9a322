#include "platform/win32/busy_input.h"

namespace morvane::win32 {

BusyInput WhileBusy(const MSG& message) {
  // Keys without Alt; Alt's keys (WM_SYSKEYDOWN and the rest) close and open the system menu.
  if (message.message >= WM_KEYDOWN && message.message <= WM_DEADCHAR) {
    const bool escape = message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE;
    return escape ? BusyInput::Stop : BusyInput::Drop;
  }
  // The client area's mouse; the title bar's and the frame's (WM_NC...) run.
  if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) return BusyInput::Drop;
  return BusyInput::Dispatch;
}

}  // namespace morvane::win32
