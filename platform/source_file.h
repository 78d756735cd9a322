#pragma once
// A source file over its contents, and the module of resources that it is: a PE module opened by
// the system's resource functions, or a 16-bit (NE) module read through its own resource table.
#include <functional>
#include <memory>
#include <string>

#include "platform/file_contents.h"
#include "platform/source_files.h"

namespace morvane {

// Opens the PE module at `path`, whose contents are `file`; null when it is no usable one.
using PeModuleOpener =
    std::function<std::unique_ptr<ResourceModule>(const std::wstring& path, const FileContents&)>;

std::unique_ptr<SourceFile> MakeSourceFile(std::wstring path, std::unique_ptr<FileContents> file,
                                           PeModuleOpener openPe);

// The NE module whose header starts at `header` in `file`; null when its resource table does
// not lie in the file.
std::unique_ptr<ResourceModule> OpenNeModule(const FileContents& file, std::uint64_t header);

}  // namespace morvane
