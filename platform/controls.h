#pragma once
// The window's controls as the window logic sees them: only what the handlers use.
#include <string>

namespace morvane {

class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::wstring Text() const = 0;
  virtual void SetText(const std::wstring& text) = 0;
  // Tries to take the keyboard focus; a box that cannot take it stays as it is.
  virtual void Focus() = 0;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual std::wstring Caption() const = 0;
  virtual void SetCaption(const std::wstring& caption) = 0;
};

// The icon counter: a label whose text must stay whole, on one line, inside it.
class CounterLabel : public Label {
 public:
  // Keeps the label's font where `widest` fits, else shrinks it by whole pixels until it does.
  virtual void FitText(const std::wstring& widest) = 0;
};

class Button {
 public:
  virtual ~Button() = default;
  virtual void SetCaption(const std::wstring& caption) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

class CheckBox {
 public:
  virtual ~CheckBox() = default;
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

}  // namespace morvane
