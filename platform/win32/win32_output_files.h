#pragma once
#include "platform/output_files.h"

namespace morvane::win32 {

class Win32OutputFiles final : public OutputFiles {
 public:
  bool Write(const std::wstring& path, const std::vector<ByteRange>& parts) override;
};

}  // namespace morvane::win32
