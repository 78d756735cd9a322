#include "extract/icon_file_writer.h"

#include <memory>

#include "extract/destination_folder.h"
#include "extract/module_icon_groups.h"
#include "extract/write_failure.h"
#include "formats/icon_header.h"
#include "platform/native_path.h"

namespace morvane {

namespace {

std::optional<SystemError> WriteGroupFile(OutputFiles& files, const std::wstring& path,
                                          const GroupContents& group) {
  std::vector<std::uint32_t> sizes;
  for (const Bytes& image : group.images) sizes.push_back(static_cast<std::uint32_t>(image.size()));
  const Bytes header = BuildIconHeader(group.directory, sizes);

  std::vector<ByteRange> parts{{header.data(), header.size()}};
  for (const Bytes& image : group.images) parts.push_back({image.data(), image.size()});
  return files.Write(path, parts);
}

}  // namespace

std::wstring IconFileStem(const std::wstring& sourceName, int number) {
  const std::wstring base = sourceName.substr(0, sourceName.find(L'.'));
  std::wstring digits = std::to_wstring(number);
  if (number < 1000) digits = (L"00" + digits).substr(digits.size() - 1);
  return base + digits;
}

std::wstring IconFileName(const std::wstring& destination, const std::wstring& sourceName,
                          int number) {
  // The field names a folder, typed with its "\" or without.
  return AsFolder(destination) + IconFileStem(sourceName, number) + L".ico";
}

RunOutcome WriteIconFiles(const RunFiles& run, WriteServices& services, int first, int last,
                          const WriteProgress& progress) {
  const auto fail = [&services](const Message& failure) {
    services.messages.Show(failure);
    return RunOutcome::Failed;
  };
  auto file = OpenSourceModule(services.sources, services.paths, run.sourceFolder + run.sourceName);
  if (!file) return fail(file.failure());
  ResourceModule& module = *(*file)->Module();
  auto groups = FindFirstGroup(module);
  if (!groups) return fail(groups.failure());
  const auto folder = DestinationFolder(run.destination, run.programFolder);
  // Files go where the folder is on 64-bit Windows; messages name them as the user did.
  const std::wstring written = folder ? NativeFolderOf(services.paths, *folder) : L"";

  // Wider numbers, so that no last number can make the loop or the count run over.
  const std::int64_t total = std::int64_t{last} - first + 1;
  for (std::int64_t wide = first; wide <= last; ++wide) {
    const int number = static_cast<int>(wide);
    auto group = ReadGroupContents(module, *groups, number);
    if (!group) return fail(group.failure());
    if (!folder) return fail(MissingFolder(IconFileName(run.destination, run.sourceName, number)));
    const std::wstring path = IconFileName(written, run.sourceName, number);
    if (const auto error = WriteGroupFile(services.files, path, *group)) {
      return fail(CannotWriteFile(IconFileName(*folder, run.sourceName, number), path, *error,
                                  services.paths));
    }
    const bool goOn =
        !progress || progress(static_cast<int>(wide - first + 1), static_cast<int>(total));
    if (!goOn && wide < last) return RunOutcome::Stopped;
  }
  return RunOutcome::Written;
}

}  // namespace morvane
