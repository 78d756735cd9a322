#include "platform/win32/win32_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "platform/program_texts.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/written_text.h"

namespace morvane::win32 {

namespace {

void FreeItemList(PIDLIST_ABSOLUTE list) { late::CoTaskMemFree(list); }
using unique_item_list = UniqueHandle<PIDLIST_ABSOLUTE, FreeItemList>;  // CoTaskMem

// Room for the longest path the system can give back.
constexpr std::size_t kPathRoom = 32768;

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Shows the open or save dialog (`show`) of one filter, with `request.fileName` in its name box.
// The dialog may move the current directory whatever it is told: it is put back.
template <class RunDialog>
std::optional<std::wstring> ShowFileDialog(HWND owner, const SaveRequest& request, DWORD flags,
                                           RunDialog show) {
  const std::wstring filter = request.filterText + L'\0' + request.filterPattern + L'\0' + L'\0';
  std::vector<wchar_t> name(kPathRoom, L'\0');
  std::copy_n(request.fileName.begin(), std::min(request.fileName.size(), kPathRoom - 1),
              name.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = OrNull(request.folder);
  dialog.lpstrTitle = OrNull(request.title);
  dialog.lpstrDefExt = OrNull(request.defaultExtension);
  dialog.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_LONGNAMES;
  const auto current =
      WrittenText([](wchar_t* buffer, DWORD room) { return GetCurrentDirectoryW(room, buffer); });
  const BOOL chosen = show(&dialog);
  if (current) SetCurrentDirectoryW(current->c_str());
  if (!chosen) return std::nullopt;
  return std::wstring(name.data());
}

int CALLBACK SelectStartFolder(HWND browser, UINT message, LPARAM, LPARAM startFolder) noexcept {
  if (message == BFFM_INITIALIZED) SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, startFolder);
  return 0;
}

}  // namespace

std::optional<std::wstring> Win32FileDialog::ShowOpen(const std::wstring& fileName) {
  return ShowFileDialog(owner_, {L"", texts::kAllFilesFilter, L"*.*", L"", L"", fileName}, 0,
                        [](OPENFILENAMEW* dialog) { return late::GetOpenFileNameW(dialog); });
}

std::optional<std::wstring> Win32FileDialog::ShowSave(const SaveRequest& request) {
  return ShowFileDialog(owner_, request, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR,
                        [](OPENFILENAMEW* dialog) { return late::GetSaveFileNameW(dialog); });
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
