#pragma once
// The message of a load that found no icons: the path as the user gave it, and why.
#include <string>

#include "platform/message_boxes.h"
#include "platform/path_names.h"
#include "platform/system_error.h"

namespace morvane {

// `given` is the path as the user gave it, `read` the file that was opened for it, and
// `openError` why that could not be opened: code 0 where it was, or was an empty file.
Message NoIconsMessage(const std::wstring& given, const std::wstring& read,
                       const SystemError& openError, PathNames& paths);

}  // namespace morvane
