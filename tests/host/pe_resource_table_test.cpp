#include "formats/pe_resource_table.h"

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
  const Bytes sixteenBit = SeedModule("module_16_bit");
  const std::string text = "just text";
  EXPECT_TRUE(ShellReaderStaysInFile(sixteenBit.data(), sixteenBit.size()));
  EXPECT_TRUE(ShellReaderStaysInFile(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  EXPECT_TRUE(ShellReaderStaysInFile(nullptr, 0));
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

}  // namespace
}  // namespace morvane
