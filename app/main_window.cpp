#include "app/main_window.h"

#include "app/busy_state.h"
#include "app/command_line.h"
#include "app/destination_field.h"
#include "app/extraction_progress.h"
#include "browse/destination_folder_dialog.h"
#include "browse/source_file_dialog.h"
#include "extract/extract_command.h"
#include "platform/scope_exit.h"
#include "preview/preview_messages.h"

namespace morvane {

namespace {

// Raises the window's loading flag until the scope ends: selection changes meanwhile are no
// clicks.
auto Loading(bool& loading) {
  loading = true;
  return ScopeExit([&loading] { loading = false; });
}

}  // namespace

void MainWindow::Form_Load() {
  const auto source =
      SourcePathFromArguments(ArgumentsAfterProgramName(platform_.process.CommandLine()));
  if (!source) return;
  LoadIconList(*source);
  controls_.Check1->SetChecked(true);
  cmdMake_Click();
  platform_.process.EndProgram();
}

void MainWindow::Form_QueryUnload() { platform_.process.EndProgram(); }

void MainWindow::cmdMake_Click() {
  if (const auto missing = MissingSourceFile(controls_)) {
    platform_.messages.Show(*missing);
    return SetControlsEnabled(controls_, true);
  }
  if (controls_.Text1[0]->Text().empty()) {
    SetDestinationFolder(controls_, platform_.process.ProgramFolder());
    platform_.process.DoEvents();
  }
  const BusyScope busy(controls_);
  const ExtractingCaption caption(*controls_.cmdMake);
  platform_.process.DoEvents();  // shows the busy state before the work starts
  const auto waiting = Waiting(platform_.cursor);
  ExtractionProgress progress(*controls_.cmdMake, platform_.process);
  ExtractIcons(controls_, platform_, iconCount_,
               [&progress](int written, int total) { progress.Written(written, total); });
}

void MainWindow::Command1_Click(int index) {
  const BusyScope busy(controls_);
  if (index == 0) {
    const auto folder = ChooseDestinationFolder(platform_.folderBrowser);
    return folder ? SetDestinationFolder(controls_, *folder) : controls_.Text1[0]->SetText(L"");
  }
  try {
    const auto loading = Loading(loading_);
    const auto chosen = ChooseSourceFile(platform_.fileDialog, fileDialogName_);
    if (!chosen) return ResetSourceDisplay(controls_);
    morvane::LoadIconList(controls_, platform_, iconCount_, *chosen);
  } catch (...) {
    // From the open-file dialog on, a step that fails is skipped; the buttons come back.
  }
}

DropEffect MainWindow::ListView1_OLEDragOver(const DragState& drag) { return DropEffectFor(drag); }

void MainWindow::ListView1_OLEDragDrop(const std::vector<std::wstring>& files) {
  if (files.empty()) return;
  // A load that fails midway ends there; the user hears of it, and the window goes on.
  try {
    LoadIconList(files.front());
  } catch (...) {
    platform_.messages.Show(messages::kCannotLoad);
  }
}

std::optional<DropEffect> MainWindow::Text1_OLEDragOver(int index, const DragState& drag) {
  if (index == 0) return std::nullopt;
  return DropEffectFor(drag);
}

void MainWindow::Text1_OLEDragDrop(int index, const std::vector<std::wstring>& files) {
  if (index != 0) ListView1_OLEDragDrop(files);
}

void MainWindow::LoadIconList(const std::wstring& path) {
  const auto loading = Loading(loading_);
  morvane::LoadIconList(controls_, platform_, iconCount_, path);
}

void MainWindow::ListView1_Click() { morvane::ListView1_Click(controls_, iconCount_); }

void MainWindow::ListView1_SelectionChanged() {
  if (!loading_) ListView1_Click();
}

}  // namespace morvane
