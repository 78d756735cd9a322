#pragma once
// The preview's list view, image list and canvas over the real controls.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/preview_controls.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

class Win32Preview final : public IconListView, public PreviewImageList, public PreviewCanvas {
 public:
  // `list` is a list view, `canvas` an owner-drawn static of `canvasSize` pixels square.
  Win32Preview(HWND list, HWND canvas, int canvasSize);

  void SetImagesAttached(bool attached) override;
  void RemoveAllItems() override;
  void AddItem(int position, const std::wstring& text, int imageNumber) override;
  std::optional<int> SelectedIndex() const override;
  void HoldDrawing(bool held) override;

  void RemoveAll() override;
  void AddCanvasImage() override;

  void SetAutoRedraw(bool on) override;
  void Clear() override;
  void DrawFileIcons(const std::wstring& path, int count,
                     const std::function<void(int)>& drawn) override;
  void ShowImage(int number) override;

  // Paints the canvas window from its kept bitmap.
  void Paint(HDC target) const;
  // Answers the list's LVN_GETDISPINFOW: the list (LVS_OWNERDATA) keeps no items of its own,
  // which under Wine cost some 3 KB each.
  void Describe(NMLVDISPINFOW& request) const;

 private:
  void ClearKeptBitmap();
  void ReserveImages(int count);
  void ShowKeptBitmap();

  HWND list_;
  HWND canvas_;
  int size_;
  unique_hbitmap kept_;
  unique_hdc keptDc_;      // holds kept_, but while the image list copies it
  HGDIOBJ keptDcDefault_;  // the bitmap the DC was made with
  bool autoRedraw_ = false;
  bool imagesAttached_ = false;
  unique_himagelist images_;
  struct Item {
    std::wstring text;
    int image;  // from 0
  };
  std::vector<Item> items_;
};

}  // namespace morvane::win32
