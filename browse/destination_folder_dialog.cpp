#include "browse/destination_folder_dialog.h"

namespace morvane {

std::optional<std::wstring> ChooseDestinationFolder(FolderBrowser& browser) {
  return browser.Browse(L"保存先フォルダの選択", L"C:\\");
}

}  // namespace morvane
