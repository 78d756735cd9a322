#pragma once
// The destination field's browse button: the shell's folder browser.
#include <optional>
#include <string>

#include "platform/dialogs.h"

namespace morvane {

// Shows the browser titled "保存先フォルダの選択" with "C:\" selected; gives the chosen
// folder's path, or nothing when the user cancels.
std::optional<std::wstring> ChooseDestinationFolder(FolderBrowser& browser);

}  // namespace morvane
