#include "extract/extract_command.h"

#include "app/busy_state.h"
#include "extract/extraction_messages.h"
#include "extract/icon_file_writer.h"
#include "platform/scope_exit.h"

namespace morvane {

namespace {

void Extract(const FormControls& form, Platform& platform, std::int16_t iconCount) {
  if (form.Check1->Checked()) return WriteIconFiles(form, platform, 1, iconCount);
  const auto selected = form.ListView1->SelectedIndex();
  if (!selected) return platform.messages.Show(messages::kSelectAnIcon);
  const auto number = static_cast<std::int16_t>(*selected);
  WriteIconFiles(form, platform, number, number);
}

}  // namespace

void cmdMake_Click(const FormControls& form, Platform& platform, std::int16_t iconCount) {
  if (form.Text1[1]->Text().empty()) {
    platform.messages.Show(messages::kNameAFile);
    return SetControlsEnabled(form, true);
  }
  if (form.Text1[0]->Text().empty()) {
    SetDestinationFolder(form, platform.process.ProgramFolder());
    platform.process.DoEvents();
  }
  const BusyScope busy(form);
  form.cmdMake->SetCaption(L"抽出中");  // for as long as the run lasts
  const ScopeExit extracted([&form] { form.cmdMake->SetCaption(L"抽出"); });
  platform.process.DoEvents();  // shows the busy state before the work starts
  const auto waiting = Waiting(platform.cursor);
  Extract(form, platform, iconCount);
}

}  // namespace morvane
