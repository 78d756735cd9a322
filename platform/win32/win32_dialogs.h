#pragma once
// The open-file dialog and the shell's folder browser.
#include <windows.h>

#include "platform/dialogs.h"

namespace morvane::win32 {

class Win32FileDialog final : public FileDialog {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<std::wstring> ShowOpen(const std::wstring& fileName) override;
  std::optional<std::wstring> ShowSave(const SaveRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

class Win32FolderBrowser final : public FolderBrowser {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<std::wstring> Browse(const std::wstring& title,
                                     const std::wstring& startFolder) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace morvane::win32
