#pragma once
// The preview canvas, Picture1: an owner-drawn static that shows a kept bitmap.
#include <windows.h>
#include <commctrl.h>

#include "platform/preview_controls.h"
#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

class Win32Canvas final : public Canvas {
 public:
  // `canvas` of `size` pixels square, showing pictures of `images`.
  Win32Canvas(HWND canvas, int size, HIMAGELIST images);

  void KeepDrawing(bool on) override;
  void ClearDrawing() override;
  void ShowPicture(int place) override;
  // Paints the canvas window from its kept bitmap.
  void Paint(HDC target) const;
  // Shows pictures of `images` from now on, at `size` pixels; cleared until the next picture.
  void SetPictures(HIMAGELIST images, int size);

 private:
  void Clear();

  HWND canvas_;
  int size_;
  HIMAGELIST images_;
  unique_hbitmap kept_;
  unique_hdc keptDc_;  // holds kept_ for the canvas's life
  bool keep_ = false;
};

}  // namespace morvane::win32
