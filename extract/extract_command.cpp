#include "extract/extract_command.h"

#include "extract/extraction_messages.h"
#include "extract/icon_file_writer.h"

namespace morvane {

std::optional<Message> MissingSourceFile(const FormControls& form) {
  if (form.Text1[1]->Text().empty()) return messages::kNameAFile;
  return std::nullopt;
}

void ExtractIcons(const FormControls& form, Platform& platform, int iconCount) {
  if (form.Check1->Checked()) return WriteIconFiles(form, platform, 1, iconCount);
  const auto selected = form.ListView1->SelectedIndex();
  if (!selected) return platform.messages.Show(messages::kSelectAnIcon);
  WriteIconFiles(form, platform, *selected, *selected);
}

}  // namespace morvane
