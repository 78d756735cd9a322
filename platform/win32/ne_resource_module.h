#pragma once
// 16-bit modules and icon libraries, which the resource functions refuse: their icons are
// read through the module's own resource table, over a mapping of the file.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "platform/resource_modules.h"

namespace morvane::win32 {

// The NE module in `file`, which is `size` bytes long; null when the file is no NE module or
// its resource table does not lie in it.
std::unique_ptr<ResourceModule> OpenNeModule(HANDLE file, std::uint64_t size);

}  // namespace morvane::win32
