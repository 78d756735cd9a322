#pragma once
#include "platform/resource_modules.h"

namespace morvane::win32 {

// LoadLibraryExW as data file, EnumResourceNamesW, FindResourceW and friends.
class Win32ResourceModules final : public ResourceModules {
 public:
  std::unique_ptr<ResourceModule> Open(const std::wstring& path) override;
};

}  // namespace morvane::win32
