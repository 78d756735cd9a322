#include "extract/write_failure.h"

#include "platform/program_texts.h"

namespace morvane {

namespace {

namespace error = system_error;

Message WithReason(const std::wstring& path, const std::wstring& reason,
                   const std::wstring& caption) {
  return {texts::kCannotWriteFile + L"\n" + path + L"\n" + reason, caption};
}

}  // namespace

Message CannotWriteFile(const std::wstring& path, const SystemError& failure, bool nameIsFolder) {
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
  return WithReason(path, texts::InSystemWords(failure), kSorryCaption);
}

Message CannotWriteFile(const std::wstring& shown, const std::wstring& written,
                        const SystemError& failure, PathNames& paths) {
  const bool nameIsFolder = failure.code == error::kAccessDenied && paths.FolderExists(written);
  return CannotWriteFile(shown, failure, nameIsFolder);
}

Message MissingFolder(const std::wstring& path) {
  return WithReason(path, texts::kFolderMissing, texts::kFoolCaption);
}

}  // namespace morvane
