#include "app/main_window.h"

#include "app/busy_state.h"
#include "app/command_line.h"
#include "browse/destination_folder_dialog.h"
#include "browse/source_file_dialog.h"
#include "extract/extract_command.h"

namespace morvane {

void MainWindow::Form_Load() {
  const auto source = SourcePathFromArguments(platform_.process.Arguments());
  if (!source) return;
  // The window is never shown in this run, so its preview would never be seen.
  LoadIconList(*source, PreviewPictures::Skipped);
  controls_.Check1->SetChecked(true);
  cmdMake_Click();
  platform_.process.EndProgram();
}

void MainWindow::Form_QueryUnload() { platform_.process.EndProgram(); }

void MainWindow::cmdMake_Click() { morvane::cmdMake_Click(controls_, platform_, iconCount_); }

void MainWindow::Command1_Click(int index) {
  SetControlsEnabled(controls_, false);
  try {
    if (index == 0) {
      BrowseDestinationFolder(controls_, platform_);
    } else {
      loading_ = true;
      BrowseSourceFile(controls_, platform_, iconCount_, fileDialogName_);
    }
  } catch (...) {
    // A failure inside the dialog or the loader ends that step only; the window recovers.
  }
  loading_ = false;
  SetControlsEnabled(controls_, true);
}

DropEffect MainWindow::ListView1_OLEDragOver(const DragState& drag) { return DropEffectFor(drag); }

void MainWindow::ListView1_OLEDragDrop(const std::vector<std::wstring>& files) {
  if (!files.empty()) LoadIconList(files.front());
}

std::optional<DropEffect> MainWindow::Text1_OLEDragOver(int index, const DragState& drag) {
  if (index == 0) return std::nullopt;
  return DropEffectFor(drag);
}

void MainWindow::Text1_OLEDragDrop(int index, const std::vector<std::wstring>& files) {
  if (index != 0) ListView1_OLEDragDrop(files);
}

void MainWindow::LoadIconList(const std::wstring& path, PreviewPictures pictures) {
  loading_ = true;
  morvane::LoadIconList(controls_, platform_, iconCount_, path, pictures);
  loading_ = false;
}

void MainWindow::ListView1_Click() { morvane::ListView1_Click(controls_, iconCount_); }

void MainWindow::ListView1_SelectionChanged() {
  if (!loading_) ListView1_Click();
}

}  // namespace morvane
