#include "platform/win32/win32_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "platform/win32/late_bound.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

void FreeItemList(PIDLIST_ABSOLUTE list) { late::CoTaskMemFree(list); }
using unique_item_list = UniqueHandle<PIDLIST_ABSOLUTE, FreeItemList>;  // CoTaskMem

// One filter, for all files; the list ends in an empty entry.
const wchar_t kAllFilesFilter[] = L"すべてのファイル (*.*)\0*.*\0";
// Room for the longest path the system can give back.
constexpr std::size_t kPathRoom = 32768;

int CALLBACK SelectStartFolder(HWND browser, UINT message, LPARAM, LPARAM startFolder) noexcept {
  if (message == BFFM_INITIALIZED) SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, startFolder);
  return 0;
}

}  // namespace

std::optional<std::wstring> Win32FileDialog::ShowOpen(const std::wstring& fileName) {
  std::vector<wchar_t> name(kPathRoom, L'\0');
  std::copy_n(fileName.begin(), std::min(fileName.size(), kPathRoom - 1), name.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = kAllFilesFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_LONGNAMES;
  if (!late::GetOpenFileNameW(&dialog)) return std::nullopt;
  return std::wstring(name.data());
}

std::optional<std::wstring> Win32FileDialog::ShowSave(const SaveRequest& request) {
  const std::wstring filter = request.filterText + L'\0' + request.filterPattern + L'\0' + L'\0';
  std::vector<wchar_t> name(kPathRoom, L'\0');
  std::copy_n(request.fileName.begin(), std::min(request.fileName.size(), kPathRoom - 1),
              name.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = request.folder.c_str();
  dialog.lpstrTitle = request.title.c_str();
  dialog.lpstrDefExt = request.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                 OFN_NOCHANGEDIR | OFN_LONGNAMES;
  // The dialog may move the current directory whatever it is told: it is put back.
  std::wstring current(GetCurrentDirectoryW(0, nullptr), L'\0');
  current.resize(GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data()));
  const BOOL chosen = late::GetSaveFileNameW(&dialog);
  if (!current.empty()) SetCurrentDirectoryW(current.c_str());
  if (!chosen) return std::nullopt;
  return std::wstring(name.data());
}

std::optional<std::wstring> Win32FolderBrowser::Browse(const std::wstring& title,
                                                       const std::wstring& startFolder) {
  wchar_t displayName[MAX_PATH]{};
  BROWSEINFOW request{};
  request.hwndOwner = owner_;
  request.pszDisplayName = displayName;
  request.lpszTitle = title.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS;
  request.lpfn = SelectStartFolder;
  request.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
  const unique_item_list chosen{SHBrowseForFolderW(&request)};
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH]{};
  if (!SHGetPathFromIDListW(chosen.get(), path)) return std::nullopt;
  return std::wstring(path);
}

}  // namespace morvane::win32
