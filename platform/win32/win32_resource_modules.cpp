#include "platform/win32/win32_resource_modules.h"

#include <windows.h>

#include <cstdint>

#include "platform/pe_resource_table.h"
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

// A module mapped as data is the file byte for byte, from the handle's address with its flag
// bits cleared. The resource entries of a broken file may point past its end or claim any
// size: only bytes of the file itself are copied.
struct FileView {
  const std::uint8_t* start;
  std::uint64_t size;

  bool Holds(const std::uint8_t* bytes, DWORD length) const {
    if (bytes < start || static_cast<std::uint64_t>(bytes - start) > size) return false;
    return length <= size - static_cast<std::uint64_t>(bytes - start);
  }
};

ResourceData ReadResource(HMODULE module, const FileView& file, LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(module, name, type);
  if (!found) return {ResourceStatus::NotFound, {}};
  HGLOBAL loaded = LoadResource(module, found);
  if (!loaded) return {ResourceStatus::LoadFailed, {}};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (!bytes) return {ResourceStatus::LockFailed, {}};
  const DWORD size = SizeofResource(module, found);
  if (size == 0) return {ResourceStatus::SizeZero, {}};
  if (!file.Holds(bytes, size)) return {ResourceStatus::LoadFailed, {}};
  return {ResourceStatus::Ok, Bytes(bytes, bytes + size)};
}

class Win32ResourceModule final : public ResourceModule {
 public:
  Win32ResourceModule(unique_hmodule module, std::uint64_t fileSize)
      : module_(std::move(module)),
        file_{reinterpret_cast<const std::uint8_t*>(
                  reinterpret_cast<ULONG_PTR>(module_.get()) & ~ULONG_PTR{3}),
              fileSize} {}

  std::vector<ResourceName> IconGroupNames() override {
    std::vector<ResourceName> names;
    EnumResourceNamesW(module_.get(), RT_GROUP_ICON, CollectName,
                       reinterpret_cast<LONG_PTR>(&names));
    return names;
  }

  ResourceData ReadIconGroup(const ResourceName& name) override {
    const LPCWSTR key = name.IsNumeric() ? MAKEINTRESOURCEW(name.id) : name.text.c_str();
    return ReadResource(module_.get(), file_, RT_GROUP_ICON, key);
  }

  ResourceData ReadIcon(std::uint16_t id) override {
    return ReadResource(module_.get(), file_, RT_ICON, MAKEINTRESOURCEW(id));
  }

  bool HasSoundResourceTable() const {
    return file_.size <= SIZE_MAX &&
           ResourceTableLiesInFile(file_.start, static_cast<std::size_t>(file_.size));
  }

 private:
  unique_hmodule module_;
  FileView file_;
};

}  // namespace

std::unique_ptr<ResourceModule> Win32ResourceModules::Open(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA file{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file)) return nullptr;
  unique_hmodule module{LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  if (!module) return nullptr;
  const std::uint64_t size = std::uint64_t{file.nFileSizeHigh} << 32 | file.nFileSizeLow;
  auto opened = std::make_unique<Win32ResourceModule>(std::move(module), size);
  // A resource table that points outside the file would lead the resource functions there.
  if (!opened->HasSoundResourceTable()) return nullptr;
  return opened;
}

}  // namespace morvane::win32
