#pragma once
// Writes icon groups of the source module as .ico files into the destination folder.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/form_controls.h"
#include "platform/platform.h"

namespace morvane {

// Told after each file, with how many of how many are written.
using WriteProgress = std::function<void(int written, int total)>;

// Writes groups `first` to `last` (counted from 1), one .ico file each, reading the source
// path from the folder label and the source field, and the destination from its field.
// A failure shows its message and ends the run; files written before it stay.
void WriteIconFiles(const FormControls& form, Platform& platform, int first, int last,
                    const WriteProgress& progress = {});

// The destination folder, with a "\" added where it lacks one, + the source name up to its
// first "." + the group number in at least three digits + ".ico".
std::wstring IconFileName(const std::wstring& destination, const std::wstring& sourceName,
                          int number);

}  // namespace morvane
