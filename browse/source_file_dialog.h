#pragma once
// The source file's browse button: the open-file dialog.
#include <cstdint>
#include <string>

#include "platform/form_controls.h"
#include "platform/platform.h"

namespace morvane {

// The name the dialog opens with: "c:\*.*" at first, then the folder of the last chosen
// file followed by "*.*".
std::wstring InitialFileName(const std::wstring& remembered);

// Empties the source field, the folder label and the preview; the icon count and the
// counter stay as they are.
void ResetSourceDisplay(const FormControls& form);

// Shows the dialog and loads the chosen file, or resets the source display on a cancel.
// `fileName` is the dialog's remembered name, kept by the window between two uses.
void BrowseSourceFile(const FormControls& form, Platform& platform, std::int16_t& iconCount,
                      std::wstring& fileName);

}  // namespace morvane
