#pragma once
// How Morvane reads a source file itself: opened read-only, which keeps other programs from
// writing it while it is open, and mapped as a whole. The handles and the view go with the
// object, so that nothing keeps the file open or locked afterwards.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/file_contents.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

class MappedFile final : public FileContents {
 public:
  // Null when the file cannot be opened for reading, is empty, or cannot be mapped whole, as a
  // missing file or a folder; `error` is then the system's error, 0 for an empty file.
  static std::unique_ptr<MappedFile> Open(const std::wstring& path, DWORD& error);

  const FileBytes& bytes() const override { return bytes_; }
  FileStamp stamp() const override { return stamp_; }
  // Read from the file, not the view: read through the view, every page would stay in the
  // process's memory for as long as the file is mapped.
  std::optional<Bytes> Copy(std::uint64_t offset, std::uint64_t length) const override;

 private:
  MappedFile(unique_hfile file, FileStamp stamp, unique_handle mapping, unique_view view)
      : file_(std::move(file)),
        stamp_(stamp),
        mapping_(std::move(mapping)),
        view_(std::move(view)),
        bytes_(static_cast<const std::uint8_t*>(view_.get()),
               static_cast<std::size_t>(stamp.size)) {}

  unique_hfile file_;
  FileStamp stamp_;
  unique_handle mapping_;
  unique_view view_;
  FileBytes bytes_;
};

}  // namespace morvane::win32
