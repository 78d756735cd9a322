#pragma once
// A long extraction as the window shows it: once it has run for a second, the Extract button
// tells how far it has come ("抽出中 45%"); between files the window keeps answering other
// programs and a request to close it, drops the user's input, and hears Esc.
#include "platform/controls.h"
#include "platform/message_pump.h"
#include "platform/process.h"

namespace morvane {

class ExtractionProgress {
 public:
  ExtractionProgress(Button& button, Process& process, MessagePump& pump);
  // After each file: `written` of `total`. False when the user asked for a stop.
  bool Written(int written, int total);

 private:
  Button& button_;
  Process& process_;
  MessagePump& pump_;
  double start_;
  double lastAnswered_;
  int shownPercent_ = -1;
};

}  // namespace morvane
