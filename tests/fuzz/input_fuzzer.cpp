// A libFuzzer target over everything Morvane reads from outside: the command line, the group
// directories of a module (with the .ico header built from them), and the resource table
// that is checked before the shell reads a file. The first byte picks which one the rest is.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/command_line.h"
#include "extract/icon_file_writer.h"
#include "formats/pe_resource_table.h"
#include "tests/common/icon_bytes.h"
#include "tests/host/fake_platform.h"

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

// The bytes are one group directory of a module whose images are made up from their ids;
// some ids name no image, some an empty one. Writing the group either fails with a message
// and no file, or gives one .ico file that holds exactly the group's images.
void GroupDirectory(const std::uint8_t* data, std::size_t size) {
  morvane::testing::FakeForm form;
  form.folderLabel.caption = L"C:\\";
  form.sourceField.text = L"fuzz.dll";
  form.destinationField.text = L"D:\\";
  auto& module = form.resources.modules[L"C:\\fuzz.dll"];
  const Bytes directory(data, data + size);
  module.AddGroup({1, {}}, directory);
  for (std::size_t at = 6 + 12; at + 2 <= size; at += 14) {
    const std::uint16_t id = static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
    if (id % 5 == 0) continue;
    module.AddIcon(
        id, morvane::testing::Image(id % 7 == 0 ? 0 : id % 300 + 1, static_cast<std::uint8_t>(id)));
  }

  morvane::WriteIconFiles(form.controls, form.platform, 1, 1);

  Check(form.resources.live == 0);
  const auto written = form.files.files.find(L"D:\\fuzz001.ico");
  if (!form.messages.shown.empty()) return Check(written == form.files.files.end());
  Check(written != form.files.files.end());
  const Bytes& ico = written->second;
  Check(morvane::testing::IsSelfConsistentIco(ico));
  const std::size_t count = size >= 6 ? (data[4] | data[5] << 8) : 0;
  std::size_t images = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint16_t id =
        static_cast<std::uint16_t>(data[6 + 14 * i + 12] | data[6 + 14 * i + 13] << 8);
    images += module.icons.at(id).bytes.size();
  }
  Check(ico.size() == 6 + 16 * count + images);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  switch (data[0] % 3) {
    case 0:
      CommandLine(data + 1, size - 1);
      break;
    case 1:
      GroupDirectory(data + 1, size - 1);
      break;
    case 2:
      morvane::ShellReaderStaysInFile(data + 1, size - 1);
      break;
  }
  return 0;
}
