#include "app/main_window.h"

#include "app/busy_state.h"
#include "app/command_line.h"
#include "app/destination_field.h"
#include "app/extraction_progress.h"
#include "browse/destination_folder_dialog.h"
#include "browse/source_file_dialog.h"
#include "extract/destination_folder.h"
#include "extract/extract_command.h"
#include "extract/group_images.h"
#include "extract/image_export.h"
#include "platform/path_names.h"
#include "platform/scope_exit.h"
#include "preview/preview_messages.h"

namespace morvane {

namespace {

// Raises a flag of the window until the scope ends: while loading, selection changes are no
// clicks; while extracting, a close request waits for the end of the file being written.
auto Raised(bool& flag) {
  flag = true;
  return ScopeExit([&flag] { flag = false; });
}

}  // namespace

void MainWindow::Form_Load() {
  auto source = SourcePathFromArguments(ArgumentsAfterProgramName(platform_.process.CommandLine()));
  if (!source) return;
  // Against the folder the program was started in, before anything can change it.
  if (!source->empty() && !IsFullPath(*source)) *source = platform_.paths.FullPath(*source);
  LoadIconList(*source);
  controls_.Check1->SetChecked(true);
  const RunOutcome outcome = cmdMake_Click();
  platform_.process.EndProgram(outcome == RunOutcome::Written ? 0 : 1);
}

void MainWindow::Form_QueryUnload() {
  if (extracting_) {
    closeRequested_ = true;
    return;
  }
  platform_.process.EndProgram(0);
}

RunOutcome MainWindow::cmdMake_Click() {
  if (const auto missing = MissingSourceFile(controls_)) {
    platform_.messages.Show(*missing);
    SetControlsEnabled(controls_, true);
    return RunOutcome::Failed;
  }
  if (controls_.Text1[0]->Text().empty()) {
    SetDestinationFolder(controls_, platform_.process.ProgramFolder());
    platform_.process.DoEvents();
  }
  RunOutcome outcome = RunOutcome::Failed;
  {
    const BusyScope busy(controls_, busy_);
    const ExtractingCaption caption(*controls_.cmdMake);
    platform_.process.DoEvents();  // shows the busy state before the work starts
    const auto waiting = Waiting(platform_.cursor);
    const auto extracting = Raised(extracting_);
    ExtractionProgress progress(*controls_.cmdMake, platform_.process);
    outcome = ExtractIcons(controls_, platform_, iconCount_, [&](int written, int total) {
      return progress.Written(written, total) && !closeRequested_;
    });
    platform_.process.DropWaitingInput();
  }
  if (closeRequested_) platform_.process.EndProgram(1);
  return outcome;
}

void MainWindow::Command1_Click(int index) {
  const BusyScope busy(controls_, busy_);
  if (index == 0) {
    const auto folder = ChooseDestinationFolder(platform_.folderBrowser);
    return folder ? SetDestinationFolder(controls_, *folder) : controls_.Text1[0]->SetText(L"");
  }
  try {
    const auto loading = Raised(loading_);
    const auto chosen = ChooseSourceFile(platform_.fileDialog, fileDialogName_);
    if (!chosen) return ResetSourceDisplay(controls_);
    morvane::LoadIconList(controls_, platform_, iconCount_, *chosen);
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
    LoadIconList(files.front());
  } catch (...) {
    platform_.messages.Show(messages::kCannotLoad);
  }
}

std::optional<DropEffect> MainWindow::Text1_OLEDragOver(int index, const DragState& drag) {
  if (index == 0) return std::nullopt;
  return ListView1_OLEDragOver(drag);
}

void MainWindow::Text1_OLEDragDrop(int index, const std::vector<std::wstring>& files) {
  if (index != 0) ListView1_OLEDragDrop(files);
}

void MainWindow::LoadIconList(const std::wstring& path) {
  const auto loading = Raised(loading_);
  morvane::LoadIconList(controls_, platform_, iconCount_, path);
}

void MainWindow::ListView1_Click() { morvane::ListView1_Click(controls_, iconCount_); }

void MainWindow::ListView1_SelectionChanged() {
  if (!loading_) ListView1_Click();
}

std::wstring MainWindow::SourcePath() const {
  return controls_.Label2->Caption() + controls_.Text1[1]->Text();
}

std::wstring MainWindow::ListView1_TipText(int number) {
  auto images = ReadGroupImages(platform_.sources, platform_.paths, SourcePath(), number);
  return images ? ImageTip(*images) : std::wstring();
}

std::optional<std::vector<std::wstring>> MainWindow::ListView1_MenuLines() {
  const auto selected = controls_.ListView1->SelectedIndex();
  if (busy_ || !selected) return std::nullopt;
  std::vector<std::wstring> lines;
  auto images = ReadGroupImages(platform_.sources, platform_.paths, SourcePath(), *selected);
  if (!images) return lines;
  for (std::size_t i : LargestFirst(*images)) lines.push_back(ImageLine((*images)[i].shape));
  return lines;
}

void MainWindow::mnuCopy_Click() {
  const auto selected = controls_.ListView1->SelectedIndex();
  if (busy_ || !selected) return;
  auto images = ReadGroupImages(platform_.sources, platform_.paths, SourcePath(), *selected);
  if (!images) return platform_.messages.Show(images.failure());
  if (images->empty()) return;
  const GroupImage& largest = (*images)[LargestFirst(*images).front()];
  if (const auto failure = CopyImage(largest, platform_.png, platform_.clipboard)) {
    platform_.messages.Show(*failure);
  }
}

void MainWindow::mnuSavePng_Click(int line) {
  const auto selected = controls_.ListView1->SelectedIndex();
  if (busy_ || !selected) return;
  auto images = ReadGroupImages(platform_.sources, platform_.paths, SourcePath(), *selected);
  if (!images) return platform_.messages.Show(images.failure());
  const auto order = LargestFirst(*images);
  if (line < 0 || static_cast<std::size_t>(line) >= order.size()) return;
  const std::size_t which = order[static_cast<std::size_t>(line)];

  const auto busy = Raised(busy_);  // no drop, and no second menu, while the dialog is open
  const std::wstring program = platform_.process.ProgramFolder();
  const std::wstring folder =
      DestinationFolder(controls_.Text1[0]->Text(), program).value_or(AsFolder(program));
  const auto path = platform_.fileDialog.ShowSave(
      {L"PNG で保存", L"PNG 画像 (*.png)", L"*.png", L"png", folder,
       PngFileName(controls_.Text1[1]->Text(), *selected, *images, which)});
  if (!path) return;
  if (const auto failure =
          SavePng((*images)[which], *path, platform_.png, platform_.files, platform_.paths)) {
    platform_.messages.Show(*failure);
  }
}

}  // namespace morvane
