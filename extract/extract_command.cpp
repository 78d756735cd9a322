#include "extract/extract_command.h"

#include "extract/extraction_messages.h"

namespace morvane {

std::optional<Message> MissingSourceFile(const FormControls& form) {
  if (form.Text1[1]->Text().empty()) return messages::kNameAFile;
  return std::nullopt;
}

RunOutcome ExtractIcons(const FormControls& form, Platform& platform, int iconCount,
                        const WriteProgress& progress) {
  if (form.Check1->Checked()) return WriteIconFiles(form, platform, 1, iconCount, progress);
  const auto selected = form.ListView1->SelectedIndex();
  if (!selected) {
    platform.messages.Show(messages::kSelectAnIcon);
    return RunOutcome::Failed;
  }
  return WriteIconFiles(form, platform, *selected, *selected, progress);
}

}  // namespace morvane
