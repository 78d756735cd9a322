#pragma once
// Text boxes, labels, buttons and the check box over their window handles.
#include <windows.h>

#include "platform/controls.h"

namespace morvane::win32 {

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

class Win32TextBox final : public TextBox {
 public:
  explicit Win32TextBox(HWND window) : window_(window) {}
  std::wstring Text() const override { return WindowText(window_); }
  void SetText(const std::wstring& text) override { SetWindowTextW(window_, text.c_str()); }
  void Focus() override { SetFocus(window_); }

 private:
  HWND window_;
};

class Win32Label final : public Label {
 public:
  explicit Win32Label(HWND window) : window_(window) {}
  std::wstring Caption() const override { return WindowText(window_); }
  void SetCaption(const std::wstring& caption) override {
    SetWindowTextW(window_, caption.c_str());
  }

 private:
  HWND window_;
};

class Win32Button final : public Button {
 public:
  explicit Win32Button(HWND window) : window_(window) {}
  void SetCaption(const std::wstring& caption) override {
    SetWindowTextW(window_, caption.c_str());
  }
  void SetEnabled(bool enabled) override { EnableWindow(window_, enabled); }

 private:
  HWND window_;
};

class Win32CheckBox final : public CheckBox {
 public:
  explicit Win32CheckBox(HWND window) : window_(window) {}
  bool Checked() const override {
    return SendMessageW(window_, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
  }
  void SetChecked(bool checked) override {
    SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  HWND window_;
};

}  // namespace morvane::win32
