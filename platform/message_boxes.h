#pragma once
#include <string>

namespace morvane {

// A modal box with one OK button and the question-mark icon; returns once dismissed.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const std::wstring& text, const std::wstring& caption) = 0;
};

}  // namespace morvane
