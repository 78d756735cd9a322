// 32- and 64-bit modules: their icons are read through Morvane's own reading of the resource
// directory, over the mapping of the file. A handle from the system's loader could be a module
// the process has loaded already, or merge in a .mui or .mun companion, and point at bytes of
// another file.
#include <map>
#include <tuple>

#include "formats/pe_resources.h"
#include "platform/source_file.h"

namespace morvane {

namespace {

constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtGroupIcon = 14;

ResourceName NameOf(const PeResourceName& name) {
  if (!name.named) return {name.id, {}};
  return {0, std::wstring(name.text.begin(), name.text.end())};
}

struct NameOrder {
  bool operator()(const ResourceName& a, const ResourceName& b) const {
    return std::make_tuple(a.IsNumeric(), a.id, std::cref(a.text)) <
           std::make_tuple(b.IsNumeric(), b.id, std::cref(b.text));
  }
};

class PeResourceModule final : public ResourceModule {
 public:
  PeResourceModule(const FileContents& file, PeResources resources,
                   std::vector<std::uint16_t> languages)
      : file_(file),
        resources_(std::move(resources)),
        languages_(std::move(languages)),
        groups_(resources_.OfType(kRtGroupIcon)),
        icons_(resources_.OfType(kRtIcon)) {
    // A name the directory holds twice is the first of them, as for the resource functions.
    for (std::size_t i = 0; i < groups_.size(); ++i) groupAt_.emplace(NameOf(groups_[i].name), i);
    for (std::size_t i = 0; i < icons_.size(); ++i) {
      if (!icons_[i].name.named) iconAt_.emplace(icons_[i].name.id, i);
    }
  }

  std::vector<ResourceName> IconGroupNames() override {
    std::vector<ResourceName> names;
    names.reserve(groups_.size());
    for (const auto& group : groups_) names.push_back(NameOf(group.name));
    return names;
  }

  ResourceData ReadIconGroup(const ResourceName& name) override {
    const auto found = groupAt_.find(name);
    if (found == groupAt_.end()) return {ResourceStatus::NotFound, {}};
    return Read(groups_[found->second]);
  }

  // The image's own resource holds exactly the image.
  ResourceData ReadIcon(std::uint16_t id, std::uint32_t) override {
    const auto found = iconAt_.find(id);
    if (found == iconAt_.end()) return {ResourceStatus::NotFound, {}};
    return Read(icons_[found->second]);
  }

 private:
  // Only bytes of the file itself are copied.
  ResourceData Read(const PeResources::Resource& resource) const {
    const auto data = resources_.Data(resource, languages_);
    if (!data) return {ResourceStatus::NotFound, {}};
    if (data->size == 0) return {ResourceStatus::SizeZero, {}};
    auto copy = data->offset ? file_.Copy(*data->offset, data->size) : std::nullopt;
    if (!copy) return {ResourceStatus::LoadFailed, {}};
    return {ResourceStatus::Ok, std::move(*copy)};
  }

  const FileContents& file_;
  PeResources resources_;
  std::vector<std::uint16_t> languages_;
  std::vector<PeResources::Resource> groups_, icons_;
  std::map<ResourceName, std::size_t, NameOrder> groupAt_;
  std::map<std::uint16_t, std::size_t> iconAt_;
};

}  // namespace

std::unique_ptr<ResourceModule> OpenPeModule(const FileContents& file, std::uint64_t header,
                                             std::vector<std::uint16_t> languages) {
  auto resources = PeResources::Read(file.bytes(), header);
  if (!resources) return nullptr;
  return std::make_unique<PeResourceModule>(file, std::move(*resources), std::move(languages));
}

}  // namespace morvane
