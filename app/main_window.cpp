#include "app/main_window.h"

#include "app/command_line.h"
#include "extract/extract_command.h"
#include "preview/icon_list.h"

namespace morvane {

void MainWindow::Form_Load() {
  const auto source = SourcePathFromArguments(platform_.process.Arguments());
  if (!source) return;
  LoadIconList(*source);
  controls_.Check1->SetChecked(true);
  cmdMake_Click();
  platform_.process.EndProgram();
}

void MainWindow::Form_QueryUnload() { platform_.process.EndProgram(); }

void MainWindow::cmdMake_Click() { morvane::cmdMake_Click(controls_, platform_, iconCount_); }

void MainWindow::LoadIconList(const std::wstring& path) {
  loading_ = true;
  morvane::LoadIconList(controls_, platform_, iconCount_, path);
  loading_ = false;
}

void MainWindow::ListView1_Click() { morvane::ListView1_Click(controls_, iconCount_); }

void MainWindow::ListView1_SelectionChanged() {
  if (!loading_) ListView1_Click();
}

}  // namespace morvane
