#pragma once
#include "platform/source_files.h"

namespace morvane::win32 {

// Source files mapped by MappedFile; a resource in several languages is read in the one that
// suits the user's interface languages.
class Win32SourceFiles final : public SourceFiles {
 public:
  using SourceFiles::Open;
  std::unique_ptr<SourceFile> Open(const std::wstring& path, SystemError& error) override;
};

}  // namespace morvane::win32
