#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

struct ByteRange {
  const std::uint8_t* data;
  std::size_t size;
};

class OutputFiles {
 public:
  virtual ~OutputFiles() = default;
  // Creates the file, or truncates an existing one, and writes the parts back to back,
  // one write each. On any failure no partial file is left and false is returned.
  virtual bool Write(const std::wstring& path, const std::vector<ByteRange>& parts) = 0;
};

}  // namespace morvane
