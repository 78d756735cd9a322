#pragma once
// Controls that only hold their values: they stand for the window's fields when the window
// is never shown.
#include <string>

#include "platform/controls.h"

namespace morvane {

class ValueTextBox : public TextBox {
 public:
  std::wstring Text() const override { return text; }
  void SetText(const std::wstring& value) override { text = value; }
  void Focus() override {}
  std::wstring text;
};

// A label that only holds its caption; as the counter, it has no font to fit.
class ValueLabel : public CounterLabel {
 public:
  ValueLabel() = default;
  explicit ValueLabel(std::wstring initial) : caption(std::move(initial)) {}
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override { caption = value; }
  void FitText(const std::wstring&) override {}
  std::wstring caption;
};

class ValueButton : public Button {
 public:
  explicit ValueButton(std::wstring initial) : caption(std::move(initial)) {}
  void SetCaption(const std::wstring& value) override { caption = value; }
  void SetEnabled(bool value) override { enabled = value; }
  std::wstring caption;
  bool enabled = true;
};

class ValueCheckBox : public CheckBox {
 public:
  bool Checked() const override { return checked; }
  void SetChecked(bool value) override { checked = value; }
  bool checked = false;
};

}  // namespace morvane
