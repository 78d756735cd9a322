#include "extract/write_failure.h"

#include "extract/extraction_messages.h"

namespace morvane {

namespace {

namespace error = system_error;

Message WithReason(const std::wstring& path, const std::wstring& reason,
                   const std::wstring& caption) {
  return {messages::kCannotWriteFile.text + L"\n" + path + L"\n" + reason, caption};
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
  using messages::kFoolCaption;
  using messages::kSorryCaption;
  switch (failure.code) {
    case error::kFileNotFound:
    case error::kPathNotFound:
    case error::kInvalidDrive:
      return MissingFolder(path);
    case error::kAccessDenied:
      if (nameIsFolder) return WithReason(path, L"同じ名前のフォルダーがあります。", kFoolCaption);
      return WithReason(path, L"書き込みが許可されていません。", kFoolCaption);
    case error::kDiskFull:
    case error::kHandleDiskFull:
      return WithReason(path, L"ディスクの空き領域が足りません。", kSorryCaption);
  }
  return WithReason(path,
                    Trimmed(failure.text) + L"（エラー " + std::to_wstring(failure.code) + L"）",
                    kSorryCaption);
}

Message MissingFolder(const std::wstring& path) {
  return WithReason(path, L"フォルダーが見つかりません。", messages::kFoolCaption);
}

}  // namespace morvane
