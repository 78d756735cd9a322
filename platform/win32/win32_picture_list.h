#pragma once
// The preview's pictures in an image list of a fixed size, each an icon drawn at the origin of
// the cleared canvas. Place 0 is the bare canvas.
#include <windows.h>
#include <commctrl.h>

#include "platform/preview_controls.h"
#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

class Win32PictureList final : public PictureList {
 public:
  // `places` pictures of `size` pixels square.
  Win32PictureList(int size, int places);
  ~Win32PictureList() override;
  Win32PictureList(const Win32PictureList&) = delete;
  Win32PictureList& operator=(const Win32PictureList&) = delete;

  HIMAGELIST images() const { return images_; }
  // The pictures anew at `size` pixels, in another image list, all bare canvases: the controls
  // that showed the old one take the new one.
  void Resize(int size);
  void DrawIcons(const std::wstring& file, int firstIcon, int count, int first) override;

 private:
  void Draw(HICON icon, int place);
  void Make(int size);

  int size_ = 0, places_;
  HIMAGELIST images_ = nullptr;
  unique_hbitmap canvas_;
  unique_hdc canvasDc_;
};

}  // namespace morvane::win32
