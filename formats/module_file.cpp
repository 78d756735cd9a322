#include "formats/module_file.h"

#include "formats/ne_resource_table.h"
#include "formats/pe_resource_table.h"

namespace morvane {

namespace {

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kNeSignature = 0x454E;      // "NE"

}  // namespace

ModuleKind KindOfModule(const FileBytes& file, std::uint64_t& newHeader) {
  if (!file.Has(0, 2) || file.U8(0) != 'M' || file.U8(1) != 'Z') return ModuleKind::None;
  if (!file.Has(0x3C, 4)) return ModuleKind::Broken;
  newHeader = file.U32(0x3C);
  if (file.Has(newHeader, 4) && file.U32(newHeader) == kPeSignature) return ModuleKind::Pe;
  if (file.Has(newHeader, 2) && file.U16(newHeader) == kNeSignature) return ModuleKind::Ne;
  return file.Has(newHeader, 24) ? ModuleKind::Other : ModuleKind::Broken;
}

namespace {

// The resource functions read only the tables of PE modules; the shell's reader goes on to
// their data, and reads the tables of NE modules too.
bool ReaderStaysInFile(const std::uint8_t* bytes, std::size_t size, bool shell) {
  const FileBytes file(bytes, size);
  std::uint64_t header = 0;
  switch (KindOfModule(file, header)) {
    case ModuleKind::Broken:
      return false;
    case ModuleKind::Pe:
      return PeResourceTableLiesInFile(file, header, shell);
    case ModuleKind::Ne:
      return !shell || NeShellReaderStaysInFile(file, header);
    default:
      return true;
  }
}

}  // namespace

bool ResourceTableLiesInFile(const std::uint8_t* file, std::size_t size) {
  return ReaderStaysInFile(file, size, false);
}

bool ShellReaderStaysInFile(const std::uint8_t* file, std::size_t size) {
  return ReaderStaysInFile(file, size, true);
}

}  // namespace morvane
