#include "preview/load_failure.h"

#include "platform/program_texts.h"

namespace morvane {

namespace {

namespace error = system_error;

// The longest path the shell and the system's file functions take is MAX_PATH characters with
// its closing zero; only the "\\?\" form goes further, for the file functions.
constexpr std::size_t kMaxPath = 260;

bool IsTooLong(const std::wstring& fullPath) {
  return fullPath.size() >= kMaxPath && fullPath.rfind(L"\\\\?\\", 0) != 0;
}

std::wstring Cause(const std::wstring& read, const SystemError& openError, PathNames& paths) {
  if (read.empty()) return texts::kFileMissing;  // no path names a file
  if (openError.code == error::kFileNameTooLong || IsTooLong(paths.FullPath(read))) {
    return texts::kPathTooLong;
  }
  if (paths.FolderExists(read)) return texts::kPathIsAFolder;
  switch (openError.code) {
    case 0:
      return texts::kNoShellIcons;
    case error::kFileNotFound:
    case error::kPathNotFound:
    case error::kInvalidDrive:
    case error::kBadNetPath:
    case error::kBadNetName:
      return texts::kFileMissing;
  }
  return texts::InSystemWords(openError);  // such as a denied access, or a file in use
}

}  // namespace

Message NoIconsMessage(const std::wstring& given, const std::wstring& read,
                       const SystemError& openError, PathNames& paths) {
  std::wstring text = texts::kNoIcons.text + L"\n";
  if (!given.empty()) text += given + L"\n";
  return {text + Cause(read, openError, paths), texts::kNoIcons.caption};
}

}  // namespace morvane
