#pragma once
// The source file's browse button: the open-file dialog.
#include <optional>
#include <string>

#include "platform/dialogs.h"

namespace morvane {

// The name the dialog opens with: "c:\*.*" at first, then the folder of the last chosen
// file followed by "*.*".
std::wstring InitialFileName(const std::wstring& remembered);

// Shows the dialog for all files and gives the chosen file's path, or nothing when the user
// cancels or the dialog fails. `fileName` is the dialog's remembered name, kept by the window
// between two uses.
std::optional<std::wstring> ChooseSourceFile(FileDialog& dialog, std::wstring& fileName);

}  // namespace morvane
