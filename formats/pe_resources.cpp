#include "formats/pe_resources.h"

namespace morvane {

namespace {

constexpr std::uint32_t kTopBit = 0x80000000u;
constexpr std::uint16_t kNeutral = 0x0000;
constexpr std::uint16_t kEnglishUnitedStates = 0x0409;
constexpr std::uint16_t kNeutralDefault = 0x0400;  // LANG_NEUTRAL, SUBLANG_DEFAULT

std::uint16_t WithNeutralSublanguage(std::uint16_t language) { return language & 0x03FF; }

}  // namespace

std::optional<std::size_t> ChooseLanguage(const std::vector<std::uint32_t>& languages,
                                          const std::vector<std::uint16_t>& preferred) {
  if (languages.empty()) return std::nullopt;
  std::vector<std::uint16_t> order{kNeutral};
  for (const std::uint16_t language : preferred) {
    order.push_back(language);
    order.push_back(WithNeutralSublanguage(language));
  }
  order.push_back(kEnglishUnitedStates);
  order.push_back(kNeutralDefault);
  for (const std::uint16_t wanted : order) {
    for (std::size_t i = 0; i < languages.size(); ++i) {
      if (languages[i] == wanted) return i;
    }
  }
  return 0;
}

std::optional<PeResources> PeResources::Read(const FileBytes& file, std::uint64_t header) {
  auto layout = ReadPeLayout(file, header);
  if (!layout) return std::nullopt;
  if (layout->resources == 0) return PeResources(file, std::move(*layout), std::nullopt);
  std::uint64_t root = 0;
  if (!layout->Locate(file, layout->resources, 16, root)) return std::nullopt;
  return PeResources(file, std::move(*layout), root);
}

// Each part of the tree is checked where it is read, as the loader does: a broken entry
// hides only the resources beneath it.
std::vector<PeResources::Entry> PeResources::Entries(std::uint32_t directory) const {
  std::vector<Entry> entries;
  const std::uint64_t at = *root_ + directory;
  if (!file_.Has(at, 16)) return entries;
  const std::uint32_t count = file_.U16(at + 12) + file_.U16(at + 14);
  if (!file_.Has(at + 16, 8ull * count)) return entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    entries.push_back({file_.U32(at + 16 + 8 * i), file_.U32(at + 20 + 8 * i)});
  }
  return entries;
}

PeResourceName PeResources::NameOf(const Entry& entry) const {
  if (!(entry.name & kTopBit)) return {false, static_cast<std::uint16_t>(entry.name), {}};
  PeResourceName name{true, 0, {}};
  const std::uint64_t at = *root_ + (entry.name & ~kTopBit);
  if (!file_.Has(at, 2)) return name;
  const std::uint16_t length = file_.U16(at);
  if (!file_.Has(at + 2, 2ull * length)) return name;
  for (std::uint16_t i = 0; i < length; ++i) {
    name.text += static_cast<char16_t>(file_.U16(at + 2 + 2ull * i));
  }
  return name;
}

std::vector<PeResources::Resource> PeResources::OfType(std::uint16_t type) const {
  std::vector<Resource> resources;
  if (!root_) return resources;
  for (const Entry& typeEntry : Entries(0)) {
    if (typeEntry.name != type || !(typeEntry.target & kTopBit)) continue;
    for (const Entry& entry : Entries(typeEntry.target & ~kTopBit)) {
      if (entry.target & kTopBit) resources.push_back({NameOf(entry), entry.target & ~kTopBit});
    }
    break;
  }
  return resources;
}

std::optional<PeResourceData> PeResources::Data(const Resource& resource,
                                                const std::vector<std::uint16_t>& preferred) const {
  const std::vector<Entry> languages = Entries(resource.languages);
  std::vector<std::uint32_t> fields;
  for (const Entry& language : languages) fields.push_back(language.name);
  const auto chosen = ChooseLanguage(fields, preferred);
  if (!chosen) return std::nullopt;
  const Entry& leaf = languages[*chosen];
  if (leaf.target & kTopBit) return std::nullopt;  // a fourth level: no resource
  const std::uint64_t at = *root_ + leaf.target;
  if (!file_.Has(at, 16)) return std::nullopt;
  PeResourceData data{file_.U32(at + 4), std::nullopt};
  std::uint64_t offset = 0;
  if (layout_.Locate(file_, file_.U32(at), data.size, offset)) data.offset = offset;
  return data;
}

}  // namespace morvane
