#include "platform/win32/win32_source_files.h"

#include <windows.h>

#include "platform/source_file.h"
#include "platform/win32/mapped_file.h"

namespace morvane::win32 {

std::unique_ptr<SourceFile> Win32SourceFiles::Open(const std::wstring& path) {
  auto file = MappedFile::Open(path);
  if (!file) return nullptr;
  return MakeSourceFile(std::move(file),
                        {GetUserDefaultUILanguage(), GetSystemDefaultUILanguage()});
}

}  // namespace morvane::win32
