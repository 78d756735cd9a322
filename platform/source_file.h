#pragma once
// A source file over its contents, and the module of resources that it is: a PE module or a
// 16-bit (NE) module, each read through its own resource table.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/file_contents.h"
#include "platform/source_files.h"

namespace morvane {

// `languages` are the user's, most preferred first: they pick among a resource's languages.
std::unique_ptr<SourceFile> MakeSourceFile(std::unique_ptr<FileContents> file,
                                           std::vector<std::uint16_t> languages);

// The PE module whose new header starts at `header` in `file`; null when its resource table
// does not lie in the file.
std::unique_ptr<ResourceModule> OpenPeModule(const FileContents& file, std::uint64_t header,
                                             std::vector<std::uint16_t> languages);

// The NE module whose header starts at `header` in `file`; null when its resource table does
// not lie in the file.
std::unique_ptr<ResourceModule> OpenNeModule(const FileContents& file, std::uint64_t header);

}  // namespace morvane
