#pragma once
// Controls that only hold their text: what stands for the window's fields in tests.
#include "platform/controls.h"

namespace morvane::testing {

class ValueTextBox final : public TextBox {
 public:
  std::wstring Text() const override { return text; }
  void SetText(const std::wstring& value) override { text = value; }
  std::wstring text;
};

class ValueLabel final : public Label {
 public:
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override { caption = value; }
  std::wstring caption;
};

}  // namespace morvane::testing
