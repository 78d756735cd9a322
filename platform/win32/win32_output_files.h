#pragma once
#include "platform/output_files.h"

namespace morvane::win32 {

class Win32OutputFiles final : public OutputFiles {
 public:
  std::optional<SystemError> Write(const std::wstring& path,
                                   const std::vector<ByteRange>& parts) override;
};

}  // namespace morvane::win32
