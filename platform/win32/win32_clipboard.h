#pragma once
#include <windows.h>

#include "platform/clipboard.h"

namespace morvane::win32 {

class Win32Clipboard final : public Clipboard {
 public:
  // The window that owns what is put on the clipboard.
  void SetOwner(HWND owner) { owner_ = owner; }
  bool PutImage(const Bytes& dibV5, const Bytes& dib, const Bytes& png) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace morvane::win32
