#include "platform/win32/win32_resource_modules.h"

#include <windows.h>

#include <cstdint>
#include <exception>

#include "formats/module_file.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

struct CollectedNames {
  std::vector<ResourceName> names;
  std::exception_ptr failure;  // what stopped the enumeration early, if anything did
};

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR collected) noexcept {
  auto& into = *reinterpret_cast<CollectedNames*>(collected);
  try {
    if (IS_INTRESOURCE(name)) {
      into.names.push_back({static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name)), {}});
    } else {
      into.names.push_back({0, name});
    }
    return TRUE;
  } catch (...) {
    into.failure = std::current_exception();
    return FALSE;
  }
}

// A module loaded as data, which the loader maps byte for byte from the handle's address with
// its flag bits cleared. The resource entries of a broken file may point past its end or claim
// any size: only bytes of the file itself are copied, read from it at the offset they have in
// the module's mapping.
class PeModule final : public ResourceModule {
 public:
  PeModule(unique_hmodule module, const FileContents& file)
      : module_(std::move(module)),
        start_(reinterpret_cast<const std::uint8_t*>(reinterpret_cast<ULONG_PTR>(module_.get()) &
                                                     ~ULONG_PTR{3})),
        file_(file) {}

  // A list that cannot be collected whole is an error, never a shorter list.
  std::vector<ResourceName> IconGroupNames() override {
    CollectedNames collected;
    EnumResourceNamesW(module_.get(), RT_GROUP_ICON, CollectName,
                       reinterpret_cast<LONG_PTR>(&collected));
    if (collected.failure) std::rethrow_exception(collected.failure);
    return std::move(collected.names);
  }

  ResourceData ReadIconGroup(const ResourceName& name) override {
    const LPCWSTR key = name.IsNumeric() ? MAKEINTRESOURCEW(name.id) : name.text.c_str();
    return Read(RT_GROUP_ICON, key);
  }

  // The image's own resource holds exactly the image.
  ResourceData ReadIcon(std::uint16_t id, std::uint32_t) override {
    return Read(RT_ICON, MAKEINTRESOURCEW(id));
  }

 private:
  ResourceData Read(LPCWSTR type, LPCWSTR name) const {
    HMODULE module = module_.get();
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return {ResourceStatus::NotFound, {}};
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return {ResourceStatus::LoadFailed, {}};
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
    if (!bytes) return {ResourceStatus::LockFailed, {}};
    const DWORD size = SizeofResource(module, found);
    if (size == 0) return {ResourceStatus::SizeZero, {}};
    if (bytes < start_) return {ResourceStatus::LoadFailed, {}};
    auto copy = file_.Copy(static_cast<std::uint64_t>(bytes - start_), size);
    if (!copy) return {ResourceStatus::LoadFailed, {}};
    return {ResourceStatus::Ok, std::move(*copy)};
  }

  unique_hmodule module_;
  const std::uint8_t* start_;
  const FileContents& file_;
};

}  // namespace

std::unique_ptr<ResourceModule> OpenPeModule(const std::wstring& path, const FileContents& file) {
  const FileBytes& bytes = file.bytes();
  if (!ResourceTableLiesInFile(bytes.data(), bytes.size())) return nullptr;
  unique_hmodule module{LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  if (!module) return nullptr;
  return std::make_unique<PeModule>(std::move(module), file);
}

}  // namespace morvane::win32
