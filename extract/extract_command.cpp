#include "extract/extract_command.h"

#include "platform/program_texts.h"

namespace morvane {

std::optional<Message> MissingSourceFile(const std::wstring& sourceName) {
  if (sourceName.empty()) return texts::kNameAFile;
  return std::nullopt;
}

RunOutcome ExtractIcons(const RunFiles& run, WriteServices& services, bool allIcons,
                        std::optional<int> selected, int iconCount, const WriteProgress& progress) {
  if (allIcons) return WriteIconFiles(run, services, 1, iconCount, progress);
  if (!selected) {
    services.messages.Show(texts::kSelectAnIcon);
    return RunOutcome::Failed;
  }
  return WriteIconFiles(run, services, *selected, *selected, progress);
}

}  // namespace morvane
