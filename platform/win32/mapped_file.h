#pragma once
// A file mapped read-only as a whole: the one way Morvane reads a source file itself. Handles
// and view go with the object, so that nothing keeps the file open or locked afterwards.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "formats/bytes.h"
#include "platform/source_files.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

class MappedFile {
 public:
  // Null when the file cannot be opened for reading, is empty, or cannot be mapped whole.
  static std::unique_ptr<MappedFile> Open(const std::wstring& path);

  const FileBytes& bytes() const { return bytes_; }
  FileStamp stamp() const { return stamp_; }
  // A copy of `length` bytes at `offset`, read from the file: read through the view, every
  // page would stay in the process's memory for as long as the file is mapped.
  std::optional<Bytes> Copy(std::uint64_t offset, std::uint64_t length) const;

 private:
  MappedFile(unique_hfile file, unique_handle mapping, unique_view view, FileBytes bytes,
             FileStamp stamp);

  unique_hfile file_;
  unique_handle mapping_;
  unique_view view_;
  FileBytes bytes_;
  FileStamp stamp_;
};

// The size and last write time of a file as it is now, without opening it; nothing when it
// cannot be read.
std::optional<FileStamp> CurrentStamp(const std::wstring& path);

}  // namespace morvane::win32
