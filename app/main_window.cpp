#include "app/main_window.h"

#include "app/busy_state.h"
#include "app/command_line.h"
#include "app/destination_field.h"
#include "app/extraction_progress.h"
#include "browse/destination_folder_dialog.h"
#include "browse/source_file_dialog.h"
#include "extract/extract_command.h"
#include "platform/path_names.h"
#include "platform/program_texts.h"
#include "platform/scope_exit.h"
#include "preview/counter_font.h"

namespace morvane {

RunFiles MainWindow::FilesOfRun() const {
  return {form_.folderLabel.Caption(), form_.sourceField.Text(), form_.destinationField.Text(),
          services_.process.ProgramFolder()};
}

std::wstring MainWindow::SourcePath() const {
  return form_.folderLabel.Caption() + form_.sourceField.Text();
}

void MainWindow::Form_Load() {
  auto source = SourcePathFromArguments(ArgumentsAfterProgramName(services_.process.CommandLine()));
  if (!source) return;
  // Against the folder the program was started in, before anything can change it.
  if (!source->empty() && !IsFullPath(*source)) *source = services_.paths.FullPath(*source);
  LoadSource(*source);
  form_.allIcons.SetChecked(true);
  const RunOutcome outcome = cmdMake_Click();
  services_.process.EndProgram(outcome == RunOutcome::Written ? 0 : 1);
}

void MainWindow::Form_QueryUnload() {
  if (extracting_) {
    closeRequested_ = true;
    return;
  }
  services_.process.EndProgram(0);
}

RunOutcome MainWindow::cmdMake_Click() {
  if (const auto missing = MissingSourceFile(form_.sourceField.Text())) {
    services_.messages.Show(*missing);
    SetControlsEnabled(form_, true);
    return RunOutcome::Failed;
  }
  if (form_.destinationField.Text().empty()) {
    SetDestinationFolder(form_.destinationField, services_.process.ProgramFolder());
    services_.pump.DoEvents();
  }
  RunOutcome outcome = RunOutcome::Failed;
  {
    const BusyScope busy(form_, busy_);
    const ExtractingCaption caption(form_.extractButton);
    services_.pump.DoEvents();  // shows the busy state before the work starts
    const auto waiting = Waiting(services_.cursor);
    const auto extracting = Raised(extracting_);
    ExtractionProgress progress(form_.extractButton, services_.process, services_.pump);
    WriteServices writing = ForWriting();
    outcome = ExtractIcons(FilesOfRun(), writing, form_.allIcons.Checked(),
                           form_.list.SelectedItem(), iconCount_, [&](int written, int total) {
                             return progress.Written(written, total) && !closeRequested_;
                           });
    services_.pump.DropWaitingInput();
  }
  if (closeRequested_) services_.process.EndProgram(1);
  return outcome;
}

void MainWindow::Command1_Click(int index) {
  const BusyScope busy(form_, busy_);
  if (index == 0) {
    const auto folder = ChooseDestinationFolder(services_.folderBrowser);
    if (folder) return SetDestinationFolder(form_.destinationField, *folder);
    return form_.destinationField.SetText(L"");
  }
  try {
    const auto chosen = ChooseSourceFile(services_.fileDialog, fileDialogName_);
    if (!chosen) return ResetSourceDisplay(PreviewControls());
    LoadSource(*chosen);
  } catch (...) {
    // From the open-file dialog on, a step that fails is skipped; the buttons come back.
  }
}

DropEffect MainWindow::ListView1_OLEDragOver(const DragState& drag) {
  return busy_ ? DropEffect::None : DropEffectFor(drag);
}

void MainWindow::ListView1_OLEDragDrop(const std::vector<std::wstring>& files) {
  if (files.empty() || busy_) return;
  // A load that fails midway ends there; the user hears of it, and the window goes on.
  try {
    LoadSource(files.front());
  } catch (...) {
    services_.messages.Show(texts::kCannotLoad);
  }
}

std::optional<DropEffect> MainWindow::Text1_OLEDragOver(int index, const DragState& drag) {
  if (index == 0) return std::nullopt;
  return ListView1_OLEDragOver(drag);
}

void MainWindow::Text1_OLEDragDrop(int index, const std::vector<std::wstring>& files) {
  if (index != 0) ListView1_OLEDragDrop(files);
}

void MainWindow::LoadSource(const std::wstring& path) {
  const auto loading = Raised(loading_);
  LoadServices loadServices = ForLoading();
  if (const auto count = LoadIconList(PreviewControls(), loadServices, path)) iconCount_ = *count;
}

void MainWindow::ListView1_Click() { ShowSelectedIcon(PreviewControls(), iconCount_); }

void MainWindow::ListView1_SelectionChanged() {
  if (!loading_) ListView1_Click();
}

void MainWindow::Form_DpiChanged() {
  // The widest the counter shows: every number of the file, or what it shows before a load.
  const std::wstring widest =
      iconCount_ > 0 ? CounterText(iconCount_, iconCount_) : form_.counter.Caption();
  FitCounterFont(form_.counter, widest);
  pictures_.ForgetPictures();
  ShowSelectedIcon(PreviewControls(), iconCount_);
}

}  // namespace morvane
