#pragma once
// A source file mapped once, read-only, for one load or one extraction: what Morvane reads of
// it itself, and the module of resources it may be. Nothing of it stays open once it goes.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/resource_modules.h"
#include "platform/system_error.h"

namespace morvane {

// How a file stood when it was read: a later read checks it again when this differs.
struct FileStamp {
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;

  friend bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.size == b.size && a.lastWrite == b.lastWrite;
  }
  friend bool operator!=(const FileStamp& a, const FileStamp& b) { return !(a == b); }
};

class SourceFile {
 public:
  virtual ~SourceFile() = default;
  // The file as a module of resources, made on first use; null when it is none. It lives as
  // long as the file.
  virtual ResourceModule* Module() = 0;
  // Whether the shell's icon reader, which follows the file's offsets as they stand, stays
  // inside it. A file that is no module is the shell's to judge.
  virtual bool SafeForShell() const = 0;
  virtual FileStamp Stamp() const = 0;
};

class SourceFiles {
 public:
  virtual ~SourceFiles() = default;
  // Maps the file; null when it cannot be, as a missing, empty or locked file or a folder, and
  // then `error` tells why: code 0 for an empty file, which the system opens well.
  virtual std::unique_ptr<SourceFile> Open(const std::wstring& path, SystemError& error) = 0;
  std::unique_ptr<SourceFile> Open(const std::wstring& path) {
    SystemError ignored;
    return Open(path, ignored);
  }
};

}  // namespace morvane
