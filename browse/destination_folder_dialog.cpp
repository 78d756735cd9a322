#include "browse/destination_folder_dialog.h"

#include "platform/program_texts.h"

namespace morvane {

std::optional<std::wstring> ChooseDestinationFolder(FolderBrowser& browser) {
  return browser.Browse(texts::kFolderBrowserTitle, L"C:\\");
}

}  // namespace morvane
