#pragma once
// Writes icon groups of the source module as .ico files into the destination folder.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/form_controls.h"
#include "platform/platform.h"

namespace morvane {

// Told after each file, with how many of how many are written; false stops the run there.
using WriteProgress = std::function<bool(int written, int total)>;

// How a run ended: every file written, a failure shown, or stopped between two files.
enum class RunOutcome { Written, Failed, Stopped };

// Writes groups `first` to `last` (counted from 1), one .ico file each, reading the source
// path from the folder label and the source field, and the destination folder from its field
// (DestinationFolder). A failure shows its message and ends the run; files written before it
// stay.
RunOutcome WriteIconFiles(const FormControls& form, Platform& platform, int first, int last,
                          const WriteProgress& progress = {});

// The source name up to its first "." + the group number in at least three digits.
std::wstring IconFileStem(const std::wstring& sourceName, int number);

// The destination folder, with a "\" added where it lacks one, + the stem + ".ico".
std::wstring IconFileName(const std::wstring& destination, const std::wstring& sourceName,
                          int number);

}  // namespace morvane
