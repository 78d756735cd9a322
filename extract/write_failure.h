#pragma once
// The message for a file that cannot be written: the text users know, the file's full path and
// the reason.
#include <string>

#include "platform/message_boxes.h"
#include "platform/output_files.h"
#include "platform/path_names.h"

namespace morvane {

// `nameIsFolder`: a folder of the file's name stands where it would go, which the system
// reports as a denied access.
Message CannotWriteFile(const std::wstring& path, const SystemError& error, bool nameIsFolder);
// The same, where `paths` tells whether a folder of the file's name stands at `written`, the
// path the file was written to, which the message names as `shown`.
Message CannotWriteFile(const std::wstring& shown, const std::wstring& written,
                        const SystemError& error, PathNames& paths);
inline Message CannotWriteFile(const std::wstring& path, const SystemError& error,
                               PathNames& paths) {
  return CannotWriteFile(path, path, error, paths);
}

// A destination with no folder to write into, such as a drive's current folder.
Message MissingFolder(const std::wstring& path);

}  // namespace morvane
