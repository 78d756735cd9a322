#pragma once
// The busy state of the window and the destination field.
#include <string>

#include "platform/form_controls.h"

namespace morvane {

// Switches the three command buttons together, then tries to focus the destination field.
void SetControlsEnabled(const FormControls& form, bool enabled);

// Puts a folder into the destination field, ending in exactly one added "\" if it had none.
void SetDestinationFolder(const FormControls& form, const std::wstring& path);

}  // namespace morvane
