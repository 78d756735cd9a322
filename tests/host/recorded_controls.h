#pragma once
// Value controls that also write each change into a journal, as "name=text", so that tests
// can check the steps of a handler and their order.
#include <string>
#include <vector>

#include "app/value_controls.h"

namespace morvane {

using Journal = std::vector<std::wstring>;

namespace testing {

class RecordedTextBox final : public ValueTextBox {
 public:
  RecordedTextBox(std::wstring name, Journal& journal)
      : name_(std::move(name)), journal_(journal) {}
  void SetText(const std::wstring& value) override {
    journal_.push_back(name_ + L"=" + value);
    ValueTextBox::SetText(value);
  }
  void Focus() override { journal_.push_back(name_ + L".Focus"); }

 private:
  std::wstring name_;
  Journal& journal_;
};

class RecordedLabel final : public ValueLabel {
 public:
  RecordedLabel(std::wstring name, Journal& journal) : name_(std::move(name)), journal_(journal) {}
  void SetCaption(const std::wstring& value) override {
    journal_.push_back(name_ + L"=" + value);
    ValueLabel::SetCaption(value);
  }
  void FitText(const std::wstring& widest) override {
    journal_.push_back(name_ + L" fits " + widest);
  }

 private:
  std::wstring name_;
  Journal& journal_;
};

class RecordedButton final : public ValueButton {
 public:
  RecordedButton(std::wstring name, Journal& journal, std::wstring initial)
      : ValueButton(std::move(initial)), name_(std::move(name)), journal_(journal) {}
  void SetCaption(const std::wstring& value) override {
    journal_.push_back(name_ + L"=" + value);
    ValueButton::SetCaption(value);
  }
  void SetEnabled(bool value) override {
    journal_.push_back(name_ + (value ? L".Enabled" : L".Disabled"));
    ValueButton::SetEnabled(value);
  }

 private:
  std::wstring name_;
  Journal& journal_;
};

}  // namespace testing
}  // namespace morvane
