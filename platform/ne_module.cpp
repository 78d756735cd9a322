// 16-bit modules and icon libraries, which the resource functions refuse: their icons are read
// through the module's own resource table, over the mapping of the file.
#include "formats/ne_resource_table.h"
#include "platform/source_file.h"

namespace morvane {

namespace {

ResourceName GroupName(const NeGroup& group) {
  if (group.name.empty()) return {group.id, {}};
  std::wstring text;
  for (const char c : group.name) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return {0, text};
}

class NeResourceModule final : public ResourceModule {
 public:
  NeResourceModule(const FileContents& file, NeResourceTable table)
      : file_(file), table_(std::move(table)) {}

  std::vector<ResourceName> IconGroupNames() override {
    std::vector<ResourceName> names;
    for (const NeGroup& group : table_.groups) names.push_back(GroupName(group));
    return names;
  }

  ResourceData ReadIconGroup(const ResourceName& name) override {
    for (const NeGroup& group : table_.groups) {
      if (GroupName(group) == name) return ReadPart(GroupDirectoryPart(file_.bytes(), group.data));
    }
    return {ResourceStatus::NotFound, {}};
  }

  // An image's resource is padded to the alignment unit: the image is what its group declares.
  ResourceData ReadIcon(std::uint16_t id, std::uint32_t declaredBytes) override {
    const NeResource* image = table_.Icon(id);
    if (!image) return {ResourceStatus::NotFound, {}};
    return ReadPart(ImagePart(*image, declaredBytes));
  }

 private:
  // Only bytes of the file itself are copied.
  ResourceData ReadPart(const NeResource& part) const {
    if (part.length == 0) return {ResourceStatus::SizeZero, {}};
    auto copy = file_.Copy(part.offset, part.length);
    if (!copy) return {ResourceStatus::LoadFailed, {}};
    return {ResourceStatus::Ok, std::move(*copy)};
  }

  const FileContents& file_;
  NeResourceTable table_;
};

}  // namespace

std::unique_ptr<ResourceModule> OpenNeModule(const FileContents& file, std::uint64_t header) {
  auto table = ReadNeResourceTable(file.bytes(), header);
  if (!table) return nullptr;
  return std::make_unique<NeResourceModule>(file, std::move(*table));
}

}  // namespace morvane
