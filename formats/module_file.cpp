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

bool ShellReaderStaysInFile(const std::uint8_t* bytes, std::size_t size) {
  const FileBytes file(bytes, size);
  std::uint64_t header = 0;
  switch (KindOfModule(file, header)) {
    case ModuleKind::Broken:
      return false;
    case ModuleKind::Pe:
      return PeShellReaderStaysInFile(file, header);
    case ModuleKind::Ne:
      return NeShellReaderStaysInFile(file, header);
    default:
      return true;
  }
}

}  // namespace morvane
