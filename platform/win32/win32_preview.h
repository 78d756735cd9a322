#pragma once
// The preview's list view, image list and canvas over the real controls.
#include <windows.h>
#include <commctrl.h>

#include "platform/preview_controls.h"
#include "platform/win32/icon_pictures.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

class Win32Preview final : public IconListView, public PreviewImageList, public PreviewCanvas {
 public:
  // `list` is an owner-data list view (LVS_OWNERDATA), `canvas` an owner-drawn static of
  // `canvasSize` pixels square.
  Win32Preview(HWND list, HWND canvas, int canvasSize);

  void SetImagesAttached(bool attached) override;
  void RemoveAllItems() override;
  void SetNumberedItems(int count) override;
  void SelectItem(int position) override;
  std::optional<int> SelectedIndex() const override;

  void RemoveAll() override;
  void SetIconFile(const ShellIconFile& file, int count) override;

  void SetAutoRedraw(bool on) override;
  void Clear() override;
  void ShowImage(int number) override;

  // Paints the canvas window from its kept bitmap.
  void Paint(HDC target) const;
  // Answers the list's LVN_GETDISPINFOW: item n's text is n, and its picture is made now if
  // it has not been yet. The list keeps only the count and the selection.
  void Describe(NMLVDISPINFOW& request);

 private:
  void ClearKeptBitmap();
  void ShowKeptBitmap();

  HWND list_;
  HWND canvas_;
  int size_;
  unique_hbitmap kept_;
  unique_hdc keptDc_;  // holds kept_
  bool autoRedraw_ = false;
  bool imagesAttached_ = false;
  int items_ = 0;
  IconPictures pictures_;
};

}  // namespace morvane::win32
