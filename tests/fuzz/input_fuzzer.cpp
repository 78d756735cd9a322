// A libFuzzer target over everything Morvane reads from outside: the command line, the group
// directories of a module (with the .ico header built from them), the resource tables that are
// checked before the shell reads a file, the reader of a PE module's resources, the resource
// table of NE modules, and an icon's image turned into pixels. The first byte picks which one the
// rest is.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "formats/dib_v5.h"
#include "formats/group_directory.h"
#include "formats/icon_image.h"
#include "formats/icon_header.h"
#include "formats/module_file.h"
#include "formats/ne_resource_table.h"
#include "formats/pe_resources.h"
#include "tests/common/icon_bytes.h"

namespace {

using morvane::Bytes;

void Check(bool holds) {
  if (!holds) std::abort();
}

// UTF-16 text from the bytes, two to a character.
std::wstring WideText(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
  }
  return text;
}

// The source path is always a piece of the command line.
void CommandLine(const std::uint8_t* data, std::size_t size) {
  const std::wstring commandLine = WideText(data, size);
  const std::wstring arguments = morvane::ArgumentsAfterProgramName(commandLine);
  Check(commandLine.find(arguments) != std::wstring::npos || arguments.empty());
  if (const auto path = morvane::SourcePathFromArguments(arguments)) {
    Check(arguments.find(*path) != std::wstring::npos || path->empty());
  }
}

// The bytes are one group directory, whose images get made-up sizes from their ids. A
// complete directory gives an .ico header after which those images fill the file exactly.
void GroupDirectory(const std::uint8_t* data, std::size_t size) {
  namespace dir = morvane::group_directory;
  const Bytes directory(data, data + size);
  if (!dir::IsComplete(directory)) return;
  std::vector<std::uint32_t> sizes;
  for (std::size_t i = 0; i < dir::ImageCount(directory); ++i) {
    sizes.push_back(dir::ImageId(directory, i) % 300);
  }
  Bytes ico = morvane::BuildIconHeader(directory, sizes);
  Check(ico.size() == 6 + 16 * sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    Check(std::equal(ico.begin() + 6 + 16 * i, ico.begin() + 14 + 16 * i,
                     directory.begin() + dir::EntryOffset(i)));
    ico.resize(ico.size() + sizes[i]);
  }
  Check(morvane::testing::IsSelfConsistentIco(ico));
}

// The bytes are a file read as an NE module: every part the extraction copies starts where
// its resource starts and is no longer than it. Where the shell may read the file, every
// group directory and image lies inside it.
void NeResourceTable(const std::uint8_t* data, std::size_t size) {
  const morvane::FileBytes file(data, size);
  std::uint64_t header = 0;
  if (morvane::KindOfModule(file, header) != morvane::ModuleKind::Ne) return;
  const auto table = morvane::ReadNeResourceTable(file, header);
  if (!table) return;
  const bool shellSafe = morvane::ShellReaderStaysInFile(data, size);
  for (const morvane::NeGroup& group : table->groups) {
    const morvane::NeResource part = morvane::GroupDirectoryPart(file, group.data);
    Check(part.offset == group.data.offset && part.length <= group.data.length);
    if (shellSafe) Check(file.Has(group.data.offset, 6));
  }
  for (const auto& [id, image] : table->icons) {
    Check(table->Icon(id) != nullptr && morvane::ImagePart(image, 40).length <= 40);
    if (shellSafe) Check(file.Has(image.offset, image.length));
  }
}

// The bytes are a file read as a PE module: every icon resource the reader finds lies in the
// file, or is told not to; where the shell may read the file, each one lies in it.
void PeResourceTree(const std::uint8_t* data, std::size_t size) {
  const morvane::FileBytes file(data, size);
  std::uint64_t header = 0;
  if (morvane::KindOfModule(file, header) != morvane::ModuleKind::Pe) return;
  const auto resources = morvane::PeResources::Read(file, header);
  if (!resources) return;
  const bool shellSafe = morvane::ShellReaderStaysInFile(data, size);
  for (const std::uint16_t type : {3, 14}) {
    for (const auto& resource : resources->OfType(type)) {
      const auto found = resources->Data(resource, {0x0411});
      if (found && found->offset) Check(file.Has(*found->offset, found->size));
      if (found && shellSafe) Check(found->offset.has_value());
    }
  }
}

// The bytes are one image of a group: its shape, if it has one, is a real size, and its pixels,
// if it has them, fill exactly the rows it claims, as does the clipboard's DIB made of them.
void IconImage(const std::uint8_t* data, std::size_t size) {
  const Bytes image(data, data + size);
  if (const auto shape = morvane::ShapeFromHeader(image)) {
    Check(shape->width > 0 && shape->height > 0 && shape->bits > 0);
  }
  const morvane::DecodedDib decoded = morvane::DecodeDib(image);
  if (!decoded.image) return;
  const morvane::BgraImage& pixels = *decoded.image;
  Check(pixels.width > 0 && pixels.width <= 1024 && pixels.height > 0 && pixels.height <= 1024);
  Check(pixels.pixels.size() == std::size_t(pixels.width) * pixels.height * 4);
  Check(morvane::DibV5(pixels).size() == morvane::kDibV5HeaderSize + pixels.pixels.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  switch (data[0] % 5) {
    case 0:
      CommandLine(data + 1, size - 1);
      break;
    case 1:
      GroupDirectory(data + 1, size - 1);
      break;
    case 2:
      PeResourceTree(data + 1, size - 1);
      break;
    case 3:
      NeResourceTable(data + 1, size - 1);
      break;
    case 4:
      IconImage(data + 1, size - 1);
      break;
  }
  return 0;
}
