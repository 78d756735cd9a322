#pragma once
// Controls that only hold their values: they stand for the window's fields when the window
// is never shown, and in tests. Given a journal, each change is also written down there, as
// "name=text".
#include <string>
#include <vector>

#include "platform/controls.h"

namespace morvane {

using Journal = std::vector<std::wstring>;

class ValueTextBox final : public TextBox {
 public:
  ValueTextBox() = default;
  ValueTextBox(std::wstring name, Journal* journal) : name_(std::move(name)), journal_(journal) {}
  std::wstring Text() const override { return text; }
  void SetText(const std::wstring& value) override {
    text = value;
    if (journal_) journal_->push_back(name_ + L"=" + value);
  }
  void Focus() override {
    if (journal_) journal_->push_back(name_ + L".Focus");
  }
  std::wstring text;

 private:
  std::wstring name_;
  Journal* journal_ = nullptr;
};

class ValueLabel final : public Label {
 public:
  ValueLabel() = default;
  ValueLabel(std::wstring name, Journal* journal) : name_(std::move(name)), journal_(journal) {}
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override {
    caption = value;
    if (journal_) journal_->push_back(name_ + L"=" + value);
  }
  std::wstring caption;

 private:
  std::wstring name_;
  Journal* journal_ = nullptr;
};

class ValueButton final : public Button {
 public:
  ValueButton(std::wstring name, Journal* journal, std::wstring initial)
      : caption(std::move(initial)), name_(std::move(name)), journal_(journal) {}
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override {
    caption = value;
    if (journal_) journal_->push_back(name_ + L"=" + value);
  }
  void SetEnabled(bool value) override {
    enabled = value;
    if (journal_) journal_->push_back(name_ + (value ? L".Enabled" : L".Disabled"));
  }
  std::wstring caption;
  bool enabled = true;

 private:
  std::wstring name_;
  Journal* journal_;
};

class ValueCheckBox final : public CheckBox {
 public:
  bool Checked() const override { return checked; }
  void SetChecked(bool value) override { checked = value; }
  bool checked = false;
};

}  // namespace morvane
