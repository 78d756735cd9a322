#pragma once
// Why the system could not do what was asked of a file: its error code, and its own text.
#include <string>

namespace morvane {

struct SystemError {
  unsigned code = 0;  // 0: the system reported no error
  std::wstring text;
};

// The system's error codes that Morvane tells apart.
namespace system_error {
constexpr unsigned kFileNotFound = 2;
constexpr unsigned kPathNotFound = 3;
constexpr unsigned kAccessDenied = 5;
constexpr unsigned kInvalidDrive = 15;
constexpr unsigned kHandleDiskFull = 39;
constexpr unsigned kBadNetPath = 53;
constexpr unsigned kBadNetName = 67;
constexpr unsigned kDiskFull = 112;
constexpr unsigned kFileNameTooLong = 206;  // ERROR_FILENAME_EXCED_RANGE
}  // namespace system_error

}  // namespace morvane
