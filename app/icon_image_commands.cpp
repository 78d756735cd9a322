// The window's handlers for an icon's images: the tip over an item, and the menu on it.
#include "app/main_window.h"
#include "extract/destination_folder.h"
#include "extract/group_images.h"
#include "extract/image_export.h"
#include "platform/program_texts.h"
#include "platform/scope_exit.h"

namespace morvane {

std::wstring MainWindow::ListView1_TipText(int number) {
  auto images = ReadGroupImages(services_.sources, services_.paths, SourcePath(), number);
  return images ? ImageTip(*images) : std::wstring();
}

std::optional<std::vector<std::wstring>> MainWindow::ListView1_MenuLines() {
  const auto selected = form_.list.SelectedItem();
  if (busy_ || !selected) return std::nullopt;
  std::vector<std::wstring> lines;
  auto images = ReadGroupImages(services_.sources, services_.paths, SourcePath(), *selected);
  if (!images) return lines;
  for (std::size_t i : LargestFirst(*images)) lines.push_back(ImageLine((*images)[i].shape));
  return lines;
}

void MainWindow::mnuCopy_Click() {
  const auto selected = form_.list.SelectedItem();
  if (busy_ || !selected) return;
  auto images = ReadGroupImages(services_.sources, services_.paths, SourcePath(), *selected);
  if (!images) return services_.messages.Show(images.failure());
  if (images->empty()) return;
  const GroupImage& largest = (*images)[LargestFirst(*images).front()];
  if (const auto failure = CopyImage(largest, services_.png, services_.clipboard)) {
    services_.messages.Show(*failure);
  }
}

void MainWindow::mnuSavePng_Click(int line) {
  const auto selected = form_.list.SelectedItem();
  if (busy_ || !selected) return;
  auto images = ReadGroupImages(services_.sources, services_.paths, SourcePath(), *selected);
  if (!images) return services_.messages.Show(images.failure());
  const auto order = LargestFirst(*images);
  if (line < 0 || static_cast<std::size_t>(line) >= order.size()) return;
  const std::size_t which = order[static_cast<std::size_t>(line)];

  const std::wstring program = services_.process.ProgramFolder();
  const std::wstring folder =
      DestinationFolder(form_.destinationField.Text(), program).value_or(AsFolder(program));
  std::optional<std::wstring> path;
  {
    const auto busy = Raised(busy_);  // no drop, and no second menu, while the dialog is open
    path = services_.fileDialog.ShowSave(
        {texts::kSavePngTitle, texts::kPngFilter, L"*.png", L"png", folder,
         PngFileName(form_.sourceField.Text(), *selected, *images, which)});
  }
  if (!path) return;
  if (const auto failure =
          SavePng((*images)[which], *path, services_.png, services_.files, services_.paths)) {
    services_.messages.Show(*failure);
  }
}

}  // namespace morvane
