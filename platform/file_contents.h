#pragma once
// A source file's bytes as Morvane reads them itself: mapped whole, with copies of its parts
// read from the file.
#include <cstdint>
#include <optional>

#include "formats/bytes.h"
#include "platform/source_files.h"

namespace morvane {

class FileContents {
 public:
  virtual ~FileContents() = default;
  virtual const FileBytes& bytes() const = 0;
  virtual FileStamp stamp() const = 0;
  // `length` bytes at `offset`; nothing where the file holds fewer.
  virtual std::optional<Bytes> Copy(std::uint64_t offset, std::uint64_t length) const = 0;
};

}  // namespace morvane
