#include "platform/win32/win32_source_files.h"

#include <windows.h>

#include <cwchar>

#include "platform/source_file.h"
#include "platform/win32/mapped_file.h"
#include "platform/win32/system_error_of.h"

namespace morvane::win32 {

namespace {

// The user's UI languages, most preferred first, then the system's: the languages that
// FindResource tries after the neutral one.
std::vector<std::uint16_t> UiLanguages() {
  std::vector<std::uint16_t> languages;
  ULONG count = 0, size = 0;
  if (GetUserPreferredUILanguages(MUI_LANGUAGE_ID, &count, nullptr, &size) && size > 0) {
    std::wstring ids(size, L'\0');  // "0411\0" "0409\0" "\0"
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_ID, &count, ids.data(), &size)) {
      for (const wchar_t* id = ids.c_str(); *id; id += std::wcslen(id) + 1) {
        languages.push_back(static_cast<std::uint16_t>(std::wcstoul(id, nullptr, 16)));
      }
    }
  }
  if (languages.empty()) languages.push_back(GetUserDefaultUILanguage());
  languages.push_back(GetSystemDefaultUILanguage());
  return languages;
}

}  // namespace

std::unique_ptr<SourceFile> Win32SourceFiles::Open(const std::wstring& path, SystemError& error) {
  static const std::vector<std::uint16_t> languages = UiLanguages();
  DWORD code = 0;
  auto file = MappedFile::Open(path, code);
  if (!file) {
    error = code ? SystemErrorOf(code) : SystemError{};
    return nullptr;
  }
  return MakeSourceFile(std::move(file), languages);
}

}  // namespace morvane::win32
