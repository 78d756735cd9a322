#pragma once
// The window's messages while a command works: all of them run, or, between two files of a long
// run, all but the user's keyboard and mouse input to the window, which is dropped, and Esc,
// which asks for a stop. The title bar, the close box, Alt+F4 and the system menu run.
#include <windows.h>

#include "platform/message_pump.h"

namespace morvane::win32 {

class Win32MessagePump final : public MessagePump {
 public:
  // The window that a long run repaints; none in a run that never shows one.
  void SetOwner(HWND owner) { owner_ = owner; }

  void DoEvents() override { Pump(false); }
  Interruption AnswerWhileBusy() override;
  void DropWaitingInput() override;

 private:
  Interruption Pump(bool busy);

  HWND owner_ = nullptr;
};

}  // namespace morvane::win32
