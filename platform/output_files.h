#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

struct ByteRange {
  const std::uint8_t* data;
  std::size_t size;
};

// Why a file could not be written: the system's error code, and the system's own text for it.
struct WriteError {
  unsigned code = 0;
  std::wstring text;
};

// The system's error codes that Morvane tells apart.
namespace system_error {
constexpr unsigned kFileNotFound = 2;
constexpr unsigned kPathNotFound = 3;
constexpr unsigned kAccessDenied = 5;
constexpr unsigned kInvalidDrive = 15;
constexpr unsigned kHandleDiskFull = 39;
constexpr unsigned kDiskFull = 112;
}  // namespace system_error

class OutputFiles {
 public:
  virtual ~OutputFiles() = default;
  // Creates the file, or replaces an existing one, and writes the parts back to back, one write
  // each. On any failure no partial file is left, and the error is given.
  virtual std::optional<WriteError> Write(const std::wstring& path,
                                          const std::vector<ByteRange>& parts) = 0;
};

}  // namespace morvane
