#include "formats/module_file.h"
#include "formats/ne_resource_table.h"

#include <gtest/gtest.h>

#include <fstream>
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
    EXPECT_TRUE(ResourceTableLiesInFile(module.data(), module.size())) << name;
    EXPECT_TRUE(ShellReaderStaysInFile(module.data(), module.size())) << name;
  }
  const std::string text = "just text";
  EXPECT_TRUE(
      ShellReaderStaysInFile(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  EXPECT_TRUE(ShellReaderStaysInFile(nullptr, 0));
  // A 16-bit module is the resource functions' to refuse; the shell is kept from one whose
  // table, here a header of zeros, is no table at all.
  const Bytes sixteenBit = SeedModule("module_16_bit");
  EXPECT_TRUE(ResourceTableLiesInFile(sixteenBit.data(), sixteenBit.size()));
  EXPECT_FALSE(ShellReaderStaysInFile(sixteenBit.data(), sixteenBit.size()));
}

TEST(ResourceTable, AModuleCutShortOrPointingPastItsEndIsCaught) {
  const Bytes module = SeedModule("module_pe32");
  ASSERT_FALSE(module.empty());
  // Wherever it is cut, the shell would read past the end; the resource functions read past
  // it when the cut falls before the data.
  const std::size_t data = 0x200 + 16 + 8 * 2 + 2 * 24 + 2 * 24 + 2 * 16;
  for (std::size_t cut = 2; cut < module.size(); ++cut) {
    EXPECT_FALSE(ShellReaderStaysInFile(module.data(), cut)) << cut;
    if (cut < data) {
      EXPECT_FALSE(ResourceTableLiesInFile(module.data(), cut)) << cut;
    }
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
    EXPECT_FALSE(ResourceTableLiesInFile(copy.data(), copy.size())) << broken.what;
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

}  // namespace
}  // namespace morvane
