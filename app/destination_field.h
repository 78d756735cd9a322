#pragma once
// The destination field, Text1(0): the folder the icons are written into.
#include <string>

#include "platform/controls.h"

namespace morvane {

// Puts a folder into the destination field, ending in exactly one added "\" if it had none.
void SetDestinationFolder(TextBox& field, const std::wstring& path);

}  // namespace morvane
