#pragma once
#include <windows.h>

#include "platform/message_boxes.h"

namespace morvane::win32 {

class Win32MessageBoxes final : public MessageBoxes {
 public:
  using MessageBoxes::Show;
  void SetOwner(HWND owner) { owner_ = owner; }
  void Show(const std::wstring& text, const std::wstring& caption) override {
    MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK | MB_ICONQUESTION);
  }

 private:
  HWND owner_ = nullptr;
};

}  // namespace morvane::win32
