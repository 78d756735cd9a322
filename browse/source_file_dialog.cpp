#include "browse/source_file_dialog.h"

#include "platform/path_names.h"

namespace morvane {

std::wstring InitialFileName(const std::wstring& remembered) {
  if (remembered.empty()) return L"c:\\*.*";
  // Without a "\" the name stays whole.
  const std::wstring folder = FolderOf(remembered);
  return (folder.empty() ? remembered : folder) + L"*.*";
}

std::optional<std::wstring> ChooseSourceFile(FileDialog& dialog, std::wstring& fileName) {
  fileName = InitialFileName(fileName);
  const auto chosen = dialog.ShowOpen(fileName);
  if (chosen) fileName = *chosen;
  return chosen;
}

}  // namespace morvane
