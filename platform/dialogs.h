#pragma once
// The two dialogs of the window: the open-file dialog and the shell's folder browser.
#include <optional>
#include <string>

namespace morvane {

// What the save dialog asks for: one filter, its extension added where the name has none.
struct SaveRequest {
  std::wstring title;
  std::wstring filterText, filterPattern;  // "PNG 画像 (*.png)", "*.png"
  std::wstring defaultExtension;           // "png"
  std::wstring folder, fileName;           // where it opens, and the name it proposes
};

class FileDialog {  // CommonDialog1
 public:
  virtual ~FileDialog() = default;
  // Shows the open-file dialog for all files, with `fileName` in its name box. Gives the chosen
  // file's full path, or nothing when the user cancels or the dialog fails.
  virtual std::optional<std::wstring> ShowOpen(const std::wstring& fileName) = 0;
  // Shows the save dialog, which asks before it lets the user name a file that exists. Gives
  // the full path chosen, or nothing on cancel. The current directory stays as it was.
  virtual std::optional<std::wstring> ShowSave(const SaveRequest& request) = 0;
};

class FolderBrowser {
 public:
  virtual ~FolderBrowser() = default;
  // Shows the folder browser titled `title`, with `startFolder` selected; only file-system
  // folders can be confirmed. Gives the chosen folder's path, or nothing on cancel.
  virtual std::optional<std::wstring> Browse(const std::wstring& title,
                                             const std::wstring& startFolder) = 0;
};

}  // namespace morvane
