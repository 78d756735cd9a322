#include "platform/win32/win32_resource_modules.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) noexcept {
  try {
    auto& list = *reinterpret_cast<std::vector<ResourceName>*>(names);
    if (IS_INTRESOURCE(name)) {
      list.push_back({static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name)), {}});
    } else {
      list.push_back({0, name});
    }
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

ResourceData ReadResource(HMODULE module, LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(module, name, type);
  if (!found) return {ResourceStatus::NotFound, {}};
  HGLOBAL loaded = LoadResource(module, found);
  if (!loaded) return {ResourceStatus::LoadFailed, {}};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (!bytes) return {ResourceStatus::LockFailed, {}};
  const DWORD size = SizeofResource(module, found);
  if (size == 0) return {ResourceStatus::SizeZero, {}};
  return {ResourceStatus::Ok, Bytes(bytes, bytes + size)};
}

class Win32ResourceModule final : public ResourceModule {
 public:
  explicit Win32ResourceModule(unique_hmodule module) : module_(std::move(module)) {}

  std::vector<ResourceName> IconGroupNames() override {
    std::vector<ResourceName> names;
    EnumResourceNamesW(module_.get(), RT_GROUP_ICON, CollectName,
                       reinterpret_cast<LONG_PTR>(&names));
    return names;
  }

  ResourceData ReadIconGroup(const ResourceName& name) override {
    const LPCWSTR key = name.IsNumeric() ? MAKEINTRESOURCEW(name.id) : name.text.c_str();
    return ReadResource(module_.get(), RT_GROUP_ICON, key);
  }

  ResourceData ReadIcon(std::uint16_t id) override {
    return ReadResource(module_.get(), RT_ICON, MAKEINTRESOURCEW(id));
  }

 private:
  unique_hmodule module_;
};

}  // namespace

std::unique_ptr<ResourceModule> Win32ResourceModules::Open(const std::wstring& path) {
  unique_hmodule module{LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  if (!module) return nullptr;
  return std::make_unique<Win32ResourceModule>(std::move(module));
}

}  // namespace morvane::win32
