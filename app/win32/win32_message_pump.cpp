#include "app/win32/win32_message_pump.h"

namespace morvane::win32 {

namespace {

enum class BusyInput { Dispatch, Drop, Stop };

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

}  // namespace

Interruption Win32MessagePump::Pump(bool busy) {
  Interruption asked = Interruption::None;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    const BusyInput input = busy ? WhileBusy(message) : BusyInput::Dispatch;
    if (input == BusyInput::Stop) asked = Interruption::Stop;
    if (input != BusyInput::Dispatch) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return asked;
}

Interruption Win32MessagePump::AnswerWhileBusy() {
  const Interruption asked = Pump(true);
  if (owner_) RedrawWindow(owner_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return asked;
}

void Win32MessagePump::DropWaitingInput() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_DEADCHAR, PM_REMOVE)) {
  }
  while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

}  // namespace morvane::win32
