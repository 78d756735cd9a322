#pragma once
// The program's one kind of message box. Its texts are in program_texts.h.
#include <string>

namespace morvane {

struct Message {
  std::wstring text;
  std::wstring caption;

  friend bool operator==(const Message& a, const Message& b) {
    return a.text == b.text && a.caption == b.caption;
  }
};

// A modal box with one OK button and the question-mark icon; returns once dismissed.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const std::wstring& text, const std::wstring& caption) = 0;
  void Show(const Message& message) { Show(message.text, message.caption); }
};

}  // namespace morvane
