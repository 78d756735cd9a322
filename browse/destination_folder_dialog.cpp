#include "browse/destination_folder_dialog.h"

#include "app/busy_state.h"

namespace morvane {

void BrowseDestinationFolder(const FormControls& form, Platform& platform) {
  const auto folder = platform.folderBrowser.Browse(L"保存先フォルダの選択", L"C:\\");
  if (!folder) return form.Text1[0]->SetText(L"");
  SetDestinationFolder(form, *folder);
}

}  // namespace morvane
