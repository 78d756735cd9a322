#include "platform/win32/win32_output_files.h"

#include <windows.h>

#include "platform/win32/system_error_of.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

bool WriteParts(HANDLE file, const std::vector<ByteRange>& parts) {
  for (const ByteRange& part : parts) {
    if (part.size > MAXDWORD) {
      SetLastError(ERROR_FILE_TOO_LARGE);
      return false;
    }
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(part.size);
    if (!WriteFile(file, part.data, size, &written, nullptr)) return false;
    if (written != size) {
      SetLastError(ERROR_DISK_FULL);  // a short write: the disk took no more
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<SystemError> Win32OutputFiles::Write(const std::wstring& path,
                                                   const std::vector<ByteRange>& parts) {
  // Windows refuses to replace a read-only file; Wine, run by root, would replace it.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
      !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return SystemErrorOf(ERROR_ACCESS_DENIED);
  }
  // CREATE_ALWAYS truncates an existing file: nothing of an older, longer one survives.
  unique_hfile file{CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (!file) return SystemErrorOf(GetLastError());
  const bool written = WriteParts(file.get(), parts);
  std::optional<SystemError> failure;
  if (!written) failure = SystemErrorOf(GetLastError());
  if (!CloseHandle(file.release()) && !failure) failure = SystemErrorOf(GetLastError());
  if (failure) DeleteFileW(path.c_str());
  return failure;
}

}  // namespace morvane::win32
