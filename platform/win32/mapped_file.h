#pragma once
// How Morvane reads a source file itself: opened read-only, which keeps other programs from
// writing it while it is open, and mapped as a whole. Handles and views go with their objects,
// so that nothing keeps the file open or locked afterwards.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "formats/bytes.h"
#include "platform/file_contents.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

class ReadOnlyFile {
 public:
  // Nothing when the file cannot be opened for reading, as a missing one or a folder.
  static std::optional<ReadOnlyFile> Open(const std::wstring& path);

  HANDLE handle() const { return file_.get(); }
  FileStamp stamp() const { return stamp_; }
  // A copy of `length` bytes at `offset`, read from the file; nothing when it holds fewer.
  std::optional<Bytes> Copy(std::uint64_t offset, std::uint64_t length) const;

 private:
  ReadOnlyFile(unique_hfile file, FileStamp stamp) : file_(std::move(file)), stamp_(stamp) {}

  unique_hfile file_;
  FileStamp stamp_;
};

// The whole of an opened file in memory, read-only.
class FileView {
 public:
  // Nothing when the file is empty or cannot be mapped whole.
  static std::optional<FileView> Map(const ReadOnlyFile& file);
  const FileBytes& bytes() const { return bytes_; }

 private:
  FileView(unique_handle mapping, unique_view view, FileBytes bytes)
      : mapping_(std::move(mapping)), view_(std::move(view)), bytes_(bytes) {}

  unique_handle mapping_;
  unique_view view_;
  FileBytes bytes_;
};

class MappedFile final : public FileContents {
 public:
  // Null when the file cannot be opened, is empty, or cannot be mapped whole.
  static std::unique_ptr<MappedFile> Open(const std::wstring& path);

  const FileBytes& bytes() const override { return view_.bytes(); }
  FileStamp stamp() const override { return file_.stamp(); }
  // Copied from the file, not the view: read through the view, every page would stay in the
  // process's memory for as long as the file is mapped.
  std::optional<Bytes> Copy(std::uint64_t offset, std::uint64_t length) const override {
    return bytes().Has(offset, length) ? file_.Copy(offset, length) : std::nullopt;
  }

 private:
  MappedFile(ReadOnlyFile file, FileView view) : file_(std::move(file)), view_(std::move(view)) {}

  ReadOnlyFile file_;
  FileView view_;
};

}  // namespace morvane::win32
