#pragma once
// Writes icon groups of the source module as .ico files into the destination folder.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/form_controls.h"
#include "platform/platform.h"
#include "platform/resource_modules.h"

namespace morvane {

// Writes groups `first` to `last` (counted from 1), one .ico file each, reading the source
// path from the folder label and the source field, and the destination from its field.
// A failure shows its message and ends the run; files written before it stay.
void WriteIconFiles(const FormControls& form, Platform& platform, std::int16_t first,
                    std::int16_t last);

// The ICO header for a group directory whose member images have the given sizes:
// the 6-byte group header, then per image the directory entry's first 8 bytes,
// the image's size and its offset in the file.
Bytes BuildIconHeader(const Bytes& groupDirectory, const std::vector<std::uint32_t>& imageSizes);

// destination + the source name up to its first "." + the group number in at least
// three digits + ".ico".
std::wstring IconFileName(const std::wstring& destination, const std::wstring& sourceName,
                          int number);

}  // namespace morvane
