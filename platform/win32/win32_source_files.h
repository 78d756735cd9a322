#pragma once
#include "platform/source_files.h"

namespace morvane::win32 {

// Source files mapped by MappedFile; the modules among them read as win32_resource_modules.h
// says.
class Win32SourceFiles final : public SourceFiles {
 public:
  std::unique_ptr<SourceFile> Open(const std::wstring& path) override;
};

}  // namespace morvane::win32
