#pragma once
// The destination field's browse button: the shell's folder browser.
#include "platform/form_controls.h"
#include "platform/platform.h"

namespace morvane {

// Shows the browser at "C:\"; a chosen folder goes into the destination field with its
// trailing backslash, a cancel empties the field.
void BrowseDestinationFolder(const FormControls& form, Platform& platform);

}  // namespace morvane
