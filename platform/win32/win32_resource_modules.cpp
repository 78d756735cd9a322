#include "platform/win32/win32_resource_modules.h"

#include <windows.h>

#include <cstdint>
#include <optional>

#include "formats/module_file.h"
#include "platform/win32/ne_resource_module.h"
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

// The file of a module mapped as data, which the mapping holds byte for byte from the
// handle's address with its flag bits cleared. The resource entries of a broken file may
// point past its end or claim any size: only bytes of the file itself are copied. They are
// read from the file, at the offset they have in the mapping: read through the mapping,
// every page of every image would stay in the process's memory to the end of the run.
class ModuleFile {
 public:
  ModuleFile(HMODULE module, unique_hfile file, std::uint64_t size)
      : start_(reinterpret_cast<const std::uint8_t*>(reinterpret_cast<ULONG_PTR>(module) &
                                                     ~ULONG_PTR{3})),
        file_(std::move(file)),
        size_(size) {}

  bool Holds(const std::uint8_t* bytes, DWORD length) const {
    if (bytes < start_ || static_cast<std::uint64_t>(bytes - start_) > size_) return false;
    return length <= size_ - static_cast<std::uint64_t>(bytes - start_);
  }

  std::optional<Bytes> Copy(const std::uint8_t* bytes, DWORD length) const {
    if (!Holds(bytes, length)) return std::nullopt;
    LARGE_INTEGER offset{};
    offset.QuadPart = static_cast<LONGLONG>(bytes - start_);
    Bytes copy(length);
    DWORD read = 0;
    if (!SetFilePointerEx(file_.get(), offset, nullptr, FILE_BEGIN) ||
        !ReadFile(file_.get(), copy.data(), length, &read, nullptr) || read != length) {
      return std::nullopt;
    }
    return copy;
  }

  // Whether the resource table lies inside the file, so that the resource functions stay in it.
  bool HasSoundResourceTable() const {
    return size_ <= SIZE_MAX && ResourceTableLiesInFile(start_, static_cast<std::size_t>(size_));
  }

 private:
  const std::uint8_t* start_;
  unique_hfile file_;
  std::uint64_t size_;
};

ResourceData ReadResource(HMODULE module, const ModuleFile& file, LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(module, name, type);
  if (!found) return {ResourceStatus::NotFound, {}};
  HGLOBAL loaded = LoadResource(module, found);
  if (!loaded) return {ResourceStatus::LoadFailed, {}};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (!bytes) return {ResourceStatus::LockFailed, {}};
  const DWORD size = SizeofResource(module, found);
  if (size == 0) return {ResourceStatus::SizeZero, {}};
  auto copy = file.Copy(bytes, size);
  if (!copy) return {ResourceStatus::LoadFailed, {}};
  return {ResourceStatus::Ok, std::move(*copy)};
}

class Win32ResourceModule final : public ResourceModule {
 public:
  Win32ResourceModule(unique_hmodule module, unique_hfile file, std::uint64_t size)
      : module_(std::move(module)), file_(module_.get(), std::move(file), size) {}

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

  bool HasSoundResourceTable() const { return file_.HasSoundResourceTable(); }

 private:
  unique_hmodule module_;
  ModuleFile file_;
};

}  // namespace

std::unique_ptr<ResourceModule> Win32ResourceModules::Open(const std::wstring& path) {
  unique_hfile file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr)};
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return nullptr;
  unique_hmodule module{LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  // The resource functions refuse 16-bit modules: those are read through their own table.
  if (!module) return OpenNeModule(file.get(), static_cast<std::uint64_t>(size.QuadPart));
  auto opened = std::make_unique<Win32ResourceModule>(std::move(module), std::move(file),
                                                      static_cast<std::uint64_t>(size.QuadPart));
  // A resource table that points outside the file would lead the resource functions there.
  if (!opened->HasSoundResourceTable()) return nullptr;
  return opened;
}

}  // namespace morvane::win32
