#pragma once
// The preview of a window that is never shown: it keeps how many items it has and which one is
// selected, as the list would, and draws nothing.
#include "platform/preview_controls.h"

namespace morvane {

class ValuePreview final : public IconListView, public PreviewImageList, public PreviewCanvas {
 public:
  void SetImagesAttached(bool) override {}
  void RemoveAllItems() override { SetNumberedItems(0); }
  void SetNumberedItems(int count) override {
    items_ = count;
    selected_.reset();
  }
  void SelectItem(int position) override {
    if (position >= 1 && position <= items_) selected_ = position;
  }
  std::optional<int> SelectedIndex() const override { return selected_; }

  void RemoveAll() override {}
  void SetIconFile(const ShellIconFile&, int) override {}

  void SetAutoRedraw(bool) override {}
  void Clear() override {}
  void ShowImage(int) override {}

 private:
  int items_ = 0;
  std::optional<int> selected_;
};

}  // namespace morvane
