#include "platform/win32/ne_resource_module.h"

#include <map>

#include "formats/group_directory.h"
#include "formats/module_file.h"
#include "formats/ne_resource_table.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

namespace dir = group_directory;

ResourceName NameOf(const NeGroup& group) {
  if (group.name.empty()) return {group.id, {}};
  std::wstring text;
  for (const char c : group.name) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return {0, text};
}

class NeResourceModule final : public ResourceModule {
 public:
  NeResourceModule(unique_handle mapping, unique_view view, FileBytes file, NeResourceTable table)
      : mapping_(std::move(mapping)),
        view_(std::move(view)),
        file_(file),
        table_(std::move(table)) {}

  std::vector<ResourceName> IconGroupNames() override {
    std::vector<ResourceName> names;
    for (const NeGroup& group : table_.groups) names.push_back(NameOf(group));
    return names;
  }

  // A group's directory also tells how long its images are: their resources are padded to
  // the alignment unit.
  ResourceData ReadIconGroup(const ResourceName& name) override {
    for (const NeGroup& group : table_.groups) {
      if (!(NameOf(group) == name)) continue;
      ResourceData directory = Copy(GroupDirectoryPart(file_, group.data));
      if (directory.status != ResourceStatus::Ok) return directory;
      declaredSizes_.clear();
      if (!dir::IsComplete(directory.bytes)) return directory;
      for (std::size_t i = 0; i < dir::ImageCount(directory.bytes); ++i) {
        declaredSizes_.emplace(dir::ImageId(directory.bytes, i),
                               dir::DeclaredImageBytes(directory.bytes, i));
      }
      return directory;
    }
    return {ResourceStatus::NotFound, {}};
  }

  ResourceData ReadIcon(std::uint16_t id) override {
    const NeResource* image = table_.Icon(id);
    if (!image) return {ResourceStatus::NotFound, {}};
    const auto declared = declaredSizes_.find(id);
    if (declared == declaredSizes_.end()) return Copy(*image);
    return Copy(ImagePart(*image, declared->second));
  }

 private:
  // Only bytes of the file itself are copied.
  ResourceData Copy(const NeResource& part) const {
    if (part.length == 0) return {ResourceStatus::SizeZero, {}};
    if (!file_.Has(part.offset, part.length)) return {ResourceStatus::LoadFailed, {}};
    const std::uint8_t* start = file_.data() + part.offset;
    return {ResourceStatus::Ok, Bytes(start, start + part.length)};
  }

  unique_handle mapping_;
  unique_view view_;
  FileBytes file_;
  NeResourceTable table_;
  std::map<std::uint16_t, std::uint32_t> declaredSizes_;  // of the last group's images
};

}  // namespace

std::unique_ptr<ResourceModule> OpenNeModule(HANDLE file, std::uint64_t size) {
  if (size == 0 || size > SIZE_MAX) return nullptr;
  unique_handle mapping{CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr)};
  if (!mapping) return nullptr;
  unique_view view{MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0)};
  if (!view) return nullptr;
  const FileBytes bytes(static_cast<const std::uint8_t*>(view.get()),
                        static_cast<std::size_t>(size));
  std::uint64_t header = 0;
  if (KindOfModule(bytes, header) != ModuleKind::Ne) return nullptr;
  auto table = ReadNeResourceTable(bytes, header);
  if (!table) return nullptr;
  return std::make_unique<NeResourceModule>(std::move(mapping), std::move(view), bytes,
                                            std::move(*table));
}

}  // namespace morvane::win32
