#pragma once
// The modules of resources that Morvane reads: 32- and 64-bit ones through the Windows
// resource functions, 16-bit ones through their own resource table.
#include <memory>
#include <string>

#include "platform/resource_modules.h"
#include "platform/win32/mapped_file.h"

namespace morvane::win32 {

// The PE module at `path`, which `file` maps: loaded as data (LoadLibraryExW), never run. Null
// when Windows refuses it, or when its resource table does not lie inside the file, which
// would lead the resource functions out of it.
std::unique_ptr<ResourceModule> OpenPeModule(const std::wstring& path, const MappedFile& file);

// The NE module whose header starts at `header` in `file`; null when its resource table does
// not lie in the file.
std::unique_ptr<ResourceModule> OpenNeModule(const MappedFile& file, std::uint64_t header);

}  // namespace morvane::win32
