#include "extract/write_failure.h"

#include "platform/program_texts.h"

namespace morvane {

namespace {

namespace error = system_error;

Message WithReason(const std::wstring& path, const std::wstring& reason,
                   const std::wstring& caption) {
  return {texts::kCannotWriteFile + L"\n" + path + L"\n" + reason, caption};
}

// The system's text on one line, without the line break that ends it.
std::wstring Trimmed(std::wstring text) {
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  return text;
}

}  // namespace

Message CannotWriteFile(const std::wstring& path, const WriteError& failure, bool nameIsFolder) {
  using texts::kFoolCaption;
  using texts::kSorryCaption;
  switch (failure.code) {
    case error::kFileNotFound:
    case error::kPathNotFound:
    case error::kInvalidDrive:
      return MissingFolder(path);
    case error::kAccessDenied:
      return WithReason(path, nameIsFolder ? texts::kNameIsAFolder : texts::kWriteDenied,
                        kFoolCaption);
    case error::kDiskFull:
    case error::kHandleDiskFull:
      return WithReason(path, texts::kDiskFull, kSorryCaption);
  }
  return WithReason(path, Trimmed(failure.text) + texts::ErrorNumber(failure.code), kSorryCaption);
}

Message CannotWriteFile(const std::wstring& shown, const std::wstring& written,
                        const WriteError& failure, PathNames& paths) {
  const bool nameIsFolder = failure.code == error::kAccessDenied && paths.FolderExists(written);
  return CannotWriteFile(shown, failure, nameIsFolder);
}

Message MissingFolder(const std::wstring& path) {
  return WithReason(path, texts::kFolderMissing, texts::kFoolCaption);
}

}  // namespace morvane
