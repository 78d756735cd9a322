#include "extract/module_icon_groups.h"

#include "platform/program_texts.h"
#include "formats/group_directory.h"
#include "platform/icon_source.h"

namespace morvane {

namespace msg = texts;

Outcome<std::unique_ptr<SourceFile>> OpenSourceModule(SourceFiles& files, PathNames& paths,
                                                      const std::wstring& path) {
  IconSource source = OpenIconSource(files, paths, path);
  if (!source.file || !source.file->Module()) return msg::kLoadLibraryExError;
  return std::move(source.file);
}

Outcome<IconGroups> FindFirstGroup(ResourceModule& module) {
  IconGroups groups = module.IconGroupNames();
  if (groups.empty()) return msg::kCannotExtract;
  return groups;
}

Outcome<ResourceName> GroupHandle(const IconGroups& groups, int number) {
  if (number < 1 || static_cast<std::size_t>(number) > groups.size()) return msg::kCannotExtract;
  return groups[static_cast<std::size_t>(number) - 1];
}

Outcome<Bytes> ReadGroupDirectory(ResourceModule& module, const ResourceName& group) {
  ResourceData data = module.ReadIconGroup(group);
  switch (data.status) {
    case ResourceStatus::Ok:
      return std::move(data.bytes);
    case ResourceStatus::NotFound:
      return msg::kCannotExtract;
    case ResourceStatus::LoadFailed:
      return msg::kLoadResourceError;
    case ResourceStatus::LockFailed:
      return msg::kLockResourceError;
    case ResourceStatus::SizeZero:
      return msg::kSizeofResourceError;
  }
  return msg::kCannotExtract;
}

Outcome<Bytes> ReadIconImage(ResourceModule& module, std::uint16_t imageId,
                             std::uint32_t declaredBytes) {
  ResourceData data = module.ReadIcon(imageId, declaredBytes);
  if (data.status != ResourceStatus::Ok || data.bytes.empty()) return msg::kCannotExtract;
  return std::move(data.bytes);
}

Outcome<GroupContents> ReadGroupContents(ResourceModule& module, const IconGroups& groups,
                                         int number) {
  namespace dir = group_directory;
  auto name = GroupHandle(groups, number);
  if (!name) return name.failure();
  auto directory = ReadGroupDirectory(module, *name);
  if (!directory) return directory.failure();
  if (!dir::IsComplete(*directory)) return msg::kCannotExtract;

  GroupContents group{std::move(*directory), {}};
  const std::uint16_t count = dir::ImageCount(group.directory);
  group.images.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    auto image = ReadIconImage(module, dir::ImageId(group.directory, i),
                               dir::DeclaredImageBytes(group.directory, i));
    if (!image) return image.failure();
    group.images.push_back(std::move(*image));
  }
  return group;
}

}  // namespace morvane
