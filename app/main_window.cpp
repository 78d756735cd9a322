#include "app/main_window.h"

#include "preview/icon_list.h"

namespace morvane {

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
