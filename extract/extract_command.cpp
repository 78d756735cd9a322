#include "extract/extract_command.h"

#include "app/busy_state.h"
#include "extract/extraction_messages.h"
#include "extract/icon_file_writer.h"

namespace morvane {

namespace {

// The Extract button reads "抽出中" for as long as the run lasts.
class ExtractingCaption {
 public:
  explicit ExtractingCaption(Button& button) : button_(button) { button_.SetCaption(L"抽出中"); }
  ~ExtractingCaption() { button_.SetCaption(L"抽出"); }
  ExtractingCaption(const ExtractingCaption&) = delete;
  ExtractingCaption& operator=(const ExtractingCaption&) = delete;

 private:
  Button& button_;
};

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
  const ExtractingCaption caption(*form.cmdMake);
  platform.process.DoEvents();  // shows the busy state before the work starts
  Extract(form, platform, iconCount);
}

}  // namespace morvane
