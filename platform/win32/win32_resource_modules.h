#pragma once
// The 32- and 64-bit modules that Morvane reads through the Windows resource functions.
#include <memory>
#include <string>

#include "platform/file_contents.h"
#include "platform/resource_modules.h"

namespace morvane::win32 {

// The PE module at `path`, whose contents are `file`: loaded as data (LoadLibraryExW), never
// run. Null when Windows refuses it, or when its resource table does not lie inside the file,
// which would lead the resource functions out of it.
std::unique_ptr<ResourceModule> OpenPeModule(const std::wstring& path, const FileContents& file);

}  // namespace morvane::win32
