#pragma once
// The window's messages, handled while a command works.

namespace morvane {

// What the user asked for while a long run let the window answer between two files.
enum class Interruption { None, Stop };

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Lets the window events that are waiting run once.
  virtual void DoEvents() = 0;
  // Between two files of a long run: answers what other programs send the window, the end of
  // the session and a request to close among them, and repaints it. The user's keyboard and
  // mouse input to the window is dropped, but for Esc, which asks for a stop.
  virtual Interruption AnswerWhileBusy() = 0;
  // Drops the keyboard and mouse input that waits for the window: what the user typed and
  // clicked while it was busy is not run afterwards.
  virtual void DropWaitingInput() = 0;
};

}  // namespace morvane
