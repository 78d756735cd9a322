#pragma once
// The Extract button: writes the selected icon, or all icons, of the loaded source file.
#include <cstdint>

#include "platform/form_controls.h"
#include "platform/platform.h"

namespace morvane {

void cmdMake_Click(const FormControls& form, Platform& platform, std::int16_t iconCount);

}  // namespace morvane
