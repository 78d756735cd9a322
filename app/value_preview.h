#pragma once
// The preview of a window that is never shown: it keeps its items' numbers and which one is
// selected, as the list would, and draws nothing.
#include "platform/preview_controls.h"

namespace morvane {

class ValuePreview final : public IconListView, public PreviewImageList, public PreviewCanvas {
 public:
  void SetImagesAttached(bool) override {}
  void RemoveAllItems() override {
    items_ = 0;
    selected_.reset();
  }
  void AddItem(int position, const std::wstring&, int) override {
    if (items_++ == 0) selected_ = position;
  }
  std::optional<int> SelectedIndex() const override { return selected_; }
  void HoldDrawing(bool) override {}

  void RemoveAll() override {}
  void AddCanvasImage() override {}

  void SetAutoRedraw(bool) override {}
  void Clear() override {}
  void DrawFileIcons(const std::wstring&, int count,
                     const std::function<void(int)>& drawn) override {
    for (int number = 1; number <= count; ++number) drawn(number);
  }
  void ShowImage(int) override {}

 private:
  int items_ = 0;
  std::optional<int> selected_;
};

}  // namespace morvane
