#include "formats/module_file.h"
#include "formats/ne_resource_table.h"
#include "formats/pe_resources.h"
#include "platform/source_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <iterator>
#include <string>
#include <vector>

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A module from the fuzzer's seeds, without the byte that picks the fuzzer's reader.
Bytes SeedModule(const std::string& name) {
  std::ifstream in(std::string(MORVANE_SOURCE_DIR) + "/tests/fuzz/corpus/" + name,
                   std::ios::binary);
  Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!bytes.empty()) bytes.erase(bytes.begin());
  return bytes;
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(ResourceTable, SoundModulesPassAndOtherFilesAreLeftToTheShell) {
  for (const char* name : {"module_pe32", "module_pe32_plus"}) {
    const Bytes module = SeedModule(name);
    ASSERT_GT(module.size(), 0x200u) << name;
    EXPECT_TRUE(ShellReaderStaysInFile(module.data(), module.size())) << name;
  }
  const std::string text = "just text";
  EXPECT_TRUE(
      ShellReaderStaysInFile(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  EXPECT_TRUE(ShellReaderStaysInFile(nullptr, 0));
  // The shell is kept from a 16-bit module whose table, here a header of zeros, is no table.
  const Bytes sixteenBit = SeedModule("module_16_bit");
  EXPECT_FALSE(ShellReaderStaysInFile(sixteenBit.data(), sixteenBit.size()));
}

TEST(ResourceTable, AModuleCutShortOrPointingPastItsEndIsCaught) {
  const Bytes module = SeedModule("module_pe32");
  ASSERT_FALSE(module.empty());
  // Wherever it is cut, the shell would read past the end.
  for (std::size_t cut = 2; cut < module.size(); ++cut) {
    EXPECT_FALSE(ShellReaderStaysInFile(module.data(), cut)) << cut;
  }
  const std::size_t root = 0x200;
  const struct {
    const char* what;
    std::size_t at;
    std::uint32_t value;
  } breaks[] = {
      {"new header", 0x3C, 0x7FFFFFF0},
      {"resource table", 0x40 + 24 + 96 + 16, 0x7FFFFFF0},
      {"type directory", root + 16 + 4, 0x80000000u | 0x7FFFFFF0},
      {"loop to the root", root + 16 + 4, 0x80000000u},
      {"data entry", root + 32 + 16 + 4, 0x7FFFFFF0},
      {"entry count", root + 12, 0xFFFF0000u},
  };
  for (const auto& broken : breaks) {
    Bytes copy = module;
    Put32(copy, broken.at, broken.value);
    EXPECT_FALSE(ShellReaderStaysInFile(copy.data(), copy.size())) << broken.what;
  }
}

std::optional<NeResourceTable> NeTable(const Bytes& module) {
  const FileBytes file(module.data(), module.size());
  std::uint64_t header = 0;
  if (KindOfModule(file, header) != ModuleKind::Ne) return std::nullopt;
  return ReadNeResourceTable(file, header);
}

void Put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// The seed library: groups #5, "NAMED" and #1 in that table order, four images numbered 1 to
// 4, alignment shift 4; its table starts at 0x80, the group records at 0x8A.
TEST(NeResourceTable, GroupsComeInTableOrderAndImagesWithoutTheirPadding) {
  const Bytes module = SeedModule("module_ne_library");
  const auto table = NeTable(module);
  ASSERT_TRUE(table);
  ASSERT_EQ(table->groups.size(), 3u);
  EXPECT_EQ(table->groups[0].id, 5);
  EXPECT_EQ(table->groups[1].name, "NAMED");
  EXPECT_EQ(table->groups[2].id, 1);
  EXPECT_EQ(table->icons.size(), 4u);
  EXPECT_TRUE(ShellReaderStaysInFile(module.data(), module.size()));

  const FileBytes file(module.data(), module.size());
  for (const NeGroup& group : table->groups) {
    EXPECT_EQ(group.data.offset % 16, 0u);
    EXPECT_EQ(group.data.length % 16, 0u);
    // A directory of n entries is 6 + 14 n bytes, less than its padded resource.
    const NeResource part = GroupDirectoryPart(file, group.data);
    EXPECT_EQ(part.length, 6 + 14 * file.U16(part.offset + 4));
    EXPECT_LT(part.length, group.data.length);
  }
  // The first image, 16 x 16 in 16 colours, is 296 bytes in a resource of 304.
  const NeResource* image = table->Icon(1);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->length, 304u);
  EXPECT_EQ(ImagePart(*image, 296).length, 296u);
  EXPECT_EQ(ImagePart(*image, 5000).length, 304u);  // declared more: the bytes it holds
  EXPECT_EQ(table->Icon(0x8001), image);            // bit 15 set or not, as the shell looks
  EXPECT_EQ(table->Icon(9), nullptr);
}

TEST(NeResourceTable, ATableThatLeavesTheFileIsNoTable) {
  const Bytes module = SeedModule("module_ne_library");
  // Shift, two types with 3 and 4 records, the end, and the name "NAMED".
  const std::size_t tableEnd = 0x80 + 2 + 8 + 3 * 12 + 8 + 4 * 12 + 2 + 6;
  for (std::size_t cut = 0x40; cut < module.size(); ++cut) {
    const Bytes cutShort(module.begin(), module.begin() + cut);
    EXPECT_EQ(NeTable(cutShort).has_value(), cut >= tableEnd) << cut;
    // Every cut takes bytes of an image away, which the shell would read.
    EXPECT_FALSE(ShellReaderStaysInFile(cutShort.data(), cutShort.size())) << cut;
  }

  const struct {
    const char* what;
    std::size_t at;
    std::uint16_t value;
  } breaks[] = {
      {"shift of 32", 0x80, 32},
      {"group type counts 65535", 0x82 + 2, 0xFFFF},
      {"name past the end", 0x8A + 12 + 6, 0x7FFF},
      {"table past the end", 0x40 + 0x24, 0xFFF0},
  };
  for (const auto& broken : breaks) {
    Bytes copy = module;
    Put16(copy, broken.at, broken.value);
    EXPECT_FALSE(NeTable(copy)) << broken.what;
  }

  // Records pointing past the end make a table the shell must not follow, and the parts
  // that the extraction would copy leave the file.
  for (const std::size_t record : {std::size_t{0x8A}, std::size_t{0x8A + 3 * 12 + 8}}) {
    Bytes copy = module;
    Put16(copy, record, 0xFFFF);
    EXPECT_TRUE(NeTable(copy));
    EXPECT_FALSE(ShellReaderStaysInFile(copy.data(), copy.size())) << record;
  }
  // However near the resident names the table ends, the shell may still follow it.
  Bytes near = module;
  Put16(near, 0x40 + 0x24, 0xFFF0);
  EXPECT_FALSE(ShellReaderStaysInFile(near.data(), near.size()));
}

// One resource of a module that PeModule writes: a name (a number, or a string), a language
// and its bytes. A size of its own, where given, is what the data entry declares instead.
struct PeResource {
  std::uint16_t type, id;
  std::u16string name;
  std::uint16_t language;
  Bytes data;
  std::optional<std::uint32_t> declared = std::nullopt;
  std::uint32_t address = 0;  // where the data entry points instead of at the data, if not 0
};

// A PE32 module of one section that holds the resource tree of `resources`, in their order:
// types, names and languages as they first appear.
Bytes PeModule(const std::vector<PeResource>& resources) {
  struct Name {
    std::uint16_t id;
    std::u16string text;
    std::vector<std::size_t> languages;  // indices into resources
  };
  std::vector<std::pair<std::uint16_t, std::vector<Name>>> types;
  for (std::size_t i = 0; i < resources.size(); ++i) {
    const PeResource& r = resources[i];
    auto type =
        std::find_if(types.begin(), types.end(), [&](auto& t) { return t.first == r.type; });
    if (type == types.end()) type = types.insert(types.end(), {r.type, {}});
    auto name = std::find_if(type->second.begin(), type->second.end(),
                             [&](const Name& n) { return n.id == r.id && n.text == r.name; });
    if (name == type->second.end())
      name = type->second.insert(type->second.end(), {r.id, r.name, {}});
    name->languages.push_back(i);
  }
  constexpr std::uint32_t kSection = 0x1000, kAt = 0x200, kSub = 0x80000000u;
  Bytes tree;
  auto directory = [&tree](std::size_t count, std::size_t named) {
    const std::size_t at = tree.size();
    tree.resize(at + 16 + 8 * count);
    Put16(tree, at + 12, static_cast<std::uint16_t>(named));
    Put16(tree, at + 14, static_cast<std::uint16_t>(count - named));
    return at;
  };
  std::vector<std::pair<std::size_t, std::size_t>> leaves;  // (data entry, resource)
  const std::size_t root = directory(types.size(), 0);
  for (std::size_t t = 0; t < types.size(); ++t) {
    auto& names = types[t].second;
    const std::size_t named =
        std::count_if(names.begin(), names.end(), [](const Name& n) { return !n.text.empty(); });
    const std::size_t at = directory(names.size(), named);
    Put32(tree, root + 16 + 8 * t, types[t].first);
    Put32(tree, root + 20 + 8 * t, kSub | static_cast<std::uint32_t>(at));
    for (std::size_t n = 0; n < names.size(); ++n) {
      std::uint32_t field = names[n].id;
      if (!names[n].text.empty()) {
        field = kSub | static_cast<std::uint32_t>(tree.size());
        tree.resize(tree.size() + 2 + 2 * names[n].text.size());
        Put16(tree, field & ~kSub, static_cast<std::uint16_t>(names[n].text.size()));
        for (std::size_t c = 0; c < names[n].text.size(); ++c) {
          Put16(tree, (field & ~kSub) + 2 + 2 * c, names[n].text[c]);
        }
        tree.resize((tree.size() + 3) & ~std::size_t{3});
      }
      const std::size_t languages = directory(names[n].languages.size(), 0);
      Put32(tree, at + 16 + 8 * n, field);
      Put32(tree, at + 20 + 8 * n, kSub | static_cast<std::uint32_t>(languages));
      for (std::size_t l = 0; l < names[n].languages.size(); ++l) {
        const std::size_t leaf = tree.size();
        tree.resize(leaf + 16);
        const PeResource& r = resources[names[n].languages[l]];
        Put32(tree, languages + 16 + 8 * l, r.language);
        Put32(tree, languages + 20 + 8 * l, static_cast<std::uint32_t>(leaf));
        leaves.push_back({leaf, names[n].languages[l]});
      }
    }
  }
  for (const auto& [leaf, index] : leaves) {
    const PeResource& r = resources[index];
    Put32(tree, leaf, r.address ? r.address : kSection + static_cast<std::uint32_t>(tree.size()));
    Put32(tree, leaf + 4, r.declared.value_or(static_cast<std::uint32_t>(r.data.size())));
    tree.insert(tree.end(), r.data.begin(), r.data.end());
  }

  Bytes module(kAt);
  module[0] = 'M', module[1] = 'Z';
  Put32(module, 0x3C, 0x40);
  Put32(module, 0x40, 0x00004550);
  Put16(module, 0x44, 0x14C);  // i386
  Put16(module, 0x46, 1);      // one section
  Put16(module, 0x54, 224);    // the optional header's size
  const std::size_t optional = 0x58;
  Put16(module, optional, 0x10B);
  Put32(module, optional + 92, 16);  // data directories
  Put32(module, optional + 96 + 16, kSection);
  Put32(module, optional + 96 + 20, static_cast<std::uint32_t>(tree.size()));
  const std::size_t section = optional + 224;
  Put32(module, section + 8, static_cast<std::uint32_t>(tree.size()));
  Put32(module, section + 12, kSection);
  Put32(module, section + 16, static_cast<std::uint32_t>(tree.size()));
  Put32(module, section + 20, kAt);
  module.insert(module.end(), tree.begin(), tree.end());
  return module;
}

// A file's contents as the reader sees them, over bytes of the test's own.
class BytesContents final : public FileContents {
 public:
  explicit BytesContents(Bytes bytes)
      : bytes_(std::move(bytes)), view_(bytes_.data(), bytes_.size()) {}
  const FileBytes& bytes() const override { return view_; }
  FileStamp stamp() const override { return {bytes_.size(), 0}; }
  std::optional<Bytes> Copy(std::uint64_t offset, std::uint64_t length) const override {
    if (!view_.Has(offset, length)) return std::nullopt;
    return Bytes(bytes_.begin() + offset, bytes_.begin() + offset + length);
  }

 private:
  Bytes bytes_;
  FileBytes view_;
};

std::unique_ptr<ResourceModule> OpenPe(const BytesContents& file,
                                       std::vector<std::uint16_t> languages = {}) {
  return OpenPeModule(file, 0x40, std::move(languages));
}

Bytes Filled(std::size_t size, std::uint8_t value) { return Bytes(size, value); }

// What the system's resource functions give of a module loaded as data, read from the file.
TEST(PeModule, GroupsComeInDirectoryOrderWithTheirBytesAsTheFileHoldsThem) {
  const BytesContents file(PeModule({
      {14, 0, u"BETA", 0, Filled(20, 1)},
      {14, 0, u"ALPHA", 0, Filled(34, 2)},
      {14, 2, {}, 0, Filled(6, 3)},
      {14, 7, {}, 0, Filled(48, 4)},
      {3, 1, {}, 0, Filled(296, 5)},
      {3, 2, {}, 0x0409, Filled(744, 6)},
  }));
  const auto module = OpenPe(file);
  ASSERT_TRUE(module);
  const std::vector<ResourceName> names{{0, L"BETA"}, {0, L"ALPHA"}, {2, {}}, {7, {}}};
  EXPECT_EQ(module->IconGroupNames(), names);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const ResourceData group = module->ReadIconGroup(names[i]);
    EXPECT_EQ(group.status, ResourceStatus::Ok) << i;
    EXPECT_EQ(group.bytes, Filled(Bytes{20, 34, 6, 48}[i], std::uint8_t(i + 1))) << i;
  }
  EXPECT_EQ(module->ReadIcon(2, 0).bytes, Filled(744, 6));
  EXPECT_EQ(module->ReadIcon(9, 0).status, ResourceStatus::NotFound);
  EXPECT_EQ(module->ReadIconGroup({0, L"GAMMA"}).status, ResourceStatus::NotFound);
  EXPECT_EQ(module->ReadIconGroup({0, L"beta"}).status, ResourceStatus::NotFound);
}

TEST(PeModule, ResourcesWithoutBytesInTheFileFailAsTheResourceFunctionsWould) {
  const BytesContents file(PeModule({
      {14, 1, {}, 0, {}},                                // size 0
      {14, 2, {}, 0, Filled(6, 1), 0xFFFFFF00u},         // past the end of the file
      {14, 3, {}, 0, Filled(6, 1), std::nullopt, 0x10},  // outside every section
      {3, 1, {}, 0, Filled(8, 2)},
  }));
  const auto module = OpenPe(file);
  ASSERT_TRUE(module);
  EXPECT_EQ(module->ReadIconGroup({1, {}}).status, ResourceStatus::SizeZero);
  EXPECT_EQ(module->ReadIconGroup({2, {}}).status, ResourceStatus::LoadFailed);
  EXPECT_EQ(module->ReadIconGroup({3, {}}).status, ResourceStatus::LoadFailed);
  EXPECT_EQ(module->ReadIcon(1, 0).bytes, Filled(8, 2));

  const BytesContents noIcons(PeModule({{3, 1, {}, 0, Filled(8, 2)}}));
  ASSERT_TRUE(OpenPe(noIcons));
  EXPECT_TRUE(OpenPe(noIcons)->IconGroupNames().empty());

  // Each resource is checked as it is read: a broken part hides only what lies beneath it.
  // The data entry of the first resource of a module of `types` types.
  const auto leaf = [](std::size_t types) { return 0x200 + 16 + 8 * types + 2 * 24; };
  Bytes looped = PeModule({{14, 1, {}, 0, Filled(8, 2)}});
  Put32(looped, 0x200 + 20, 0x80000000u);  // the type's directory is the root again
  const BytesContents loopedFile(looped);
  const auto loopedModule = OpenPe(loopedFile);
  ASSERT_TRUE(loopedModule);
  for (const auto& name : loopedModule->IconGroupNames()) {
    EXPECT_NE(loopedModule->ReadIconGroup(name).status, ResourceStatus::Ok);
  }
  const Bytes noImages{0, 0, 1, 0, 0, 0};  // a group directory that counts no image
  Bytes version = PeModule(
      {{16, 1, {}, 0, Filled(8, 1)}, {14, 1, {}, 0, noImages}, {3, 1, {}, 0, Filled(8, 3)}});
  Put32(version, leaf(3), 0x7FFFFFF0);  // the version record's data lies past the end
  EXPECT_TRUE(ShellReaderStaysInFile(version.data(), version.size()));
  EXPECT_EQ(OpenPe(BytesContents(version))->ReadIconGroup({1, {}}).bytes, noImages);

  // A section is its raw data: what follows it in the file, here inside its virtual size, is
  // another part of the file.
  Bytes pastRaw = PeModule({{14, 1, {}, 0, noImages}});
  const std::uint32_t raw = static_cast<std::uint32_t>(pastRaw.size() - 0x200);
  pastRaw.resize(pastRaw.size() + 64, 9);
  Put32(pastRaw, 0x58 + 224 + 8, raw + 64);  // the virtual size
  Put32(pastRaw, leaf(1), 0x1000 + raw + 8);
  EXPECT_FALSE(ShellReaderStaysInFile(pastRaw.data(), pastRaw.size()));
  EXPECT_EQ(OpenPe(BytesContents(pastRaw))->ReadIconGroup({1, {}}).status,
            ResourceStatus::LoadFailed);
  Put32(pastRaw, leaf(1), 0x1000 + raw - 4);  // begins inside, ends past it
  EXPECT_EQ(OpenPe(BytesContents(pastRaw))->ReadIconGroup({1, {}}).status,
            ResourceStatus::LoadFailed);
}

// Which language of a resource FindResource takes, and so do we.
TEST(PeModule, ALanguageIsChosenAsFindResourceChoosesIt) {
  const std::uint16_t ja = 0x0411, en = 0x0409, de = 0x0407, deAt = 0x0C07, fr = 0x040C;
  const struct {
    const char* what;
    std::vector<std::uint32_t> present;
    std::vector<std::uint16_t> preferred;
    std::size_t chosen;
  } cases[] = {
      {"neutral before the user's", {ja, 0}, {ja}, 1},
      {"the user's before English", {en, ja}, {ja}, 1},
      {"the first preferred", {fr, de, ja}, {de, ja}, 1},
      {"the primary language alone", {fr, 0x0007}, {deAt}, 1},
      {"English before the first", {fr, de, en}, {ja}, 2},
      {"else the first", {fr, de}, {ja}, 0},
      {"a named entry is never a language", {0x80000000u | 0, en}, {}, 1},
      {"each of the user's languages in turn", {en, fr, de}, {ja, de, fr}, 2},
      {"English before the neutral default", {0x0400, en}, {ja}, 1},
      {"the neutral default before the first", {fr, 0x0400}, {ja}, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.present, c.preferred), c.chosen) << c.what;
  }
  EXPECT_FALSE(ChooseLanguage({}, {ja}));

  const BytesContents file(PeModule({{14, 1, {}, ja, Filled(6, 1)},
                                     {14, 1, {}, 0, Filled(6, 2)},
                                     {14, 2, {}, en, Filled(6, 3)},
                                     {14, 2, {}, ja, Filled(6, 4)}}));
  const auto module = OpenPe(file, {ja});
  ASSERT_TRUE(module);
  EXPECT_EQ(module->IconGroupNames().size(), 2u);
  EXPECT_EQ(module->ReadIconGroup({1, {}}).bytes, Filled(6, 2));
  EXPECT_EQ(module->ReadIconGroup({2, {}}).bytes, Filled(6, 4));
}

}  // namespace
}  // namespace morvane
