#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/system_error.h"

namespace morvane {

struct ByteRange {
  const std::uint8_t* data;
  std::size_t size;
};

class OutputFiles {
 public:
  virtual ~OutputFiles() = default;
  // Creates the file, or replaces an existing one, and writes the parts back to back, one write
  // each. On any failure no partial file is left, and the error is given.
  virtual std::optional<SystemError> Write(const std::wstring& path,
                                           const std::vector<ByteRange>& parts) = 0;
};

}  // namespace morvane
