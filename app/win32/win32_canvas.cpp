#include "app/win32/win32_canvas.h"

#include "platform/win32/late_bound.h"

namespace morvane::win32 {

Win32Canvas::Win32Canvas(HWND canvas, int size, HIMAGELIST images)
    : canvas_(canvas),
      size_(size),
      images_(images),
      kept_(DibSection(size, size)),
      keptDc_(CreateCompatibleDC(nullptr)) {
  SelectObject(keptDc_.get(), kept_.get());
  ClearDrawing();
}

// Drawing kept is shown once keeping is switched off.
void Win32Canvas::KeepDrawing(bool on) {
  keep_ = on;
  if (!on) InvalidateRect(canvas_, nullptr, FALSE);
}

void Win32Canvas::ClearDrawing() {
  Clear();
  if (!keep_) InvalidateRect(canvas_, nullptr, FALSE);
}

void Win32Canvas::ShowPicture(int place) {
  Clear();
  late::ImageList_Draw(images_, place, keptDc_.get(), 0, 0, ILD_NORMAL);
  if (!keep_) InvalidateRect(canvas_, nullptr, FALSE);
}

void Win32Canvas::SetPictures(HIMAGELIST images, int size) {
  images_ = images;
  size_ = size;
  unique_hbitmap fresh{DibSection(size, size)};
  SelectObject(keptDc_.get(), fresh.get());  // lets go of the old one, which can then go
  kept_ = std::move(fresh);
  ClearDrawing();
}

void Win32Canvas::Paint(HDC target) const {
  BitBlt(target, 0, 0, size_, size_, keptDc_.get(), 0, 0, SRCCOPY);
}

void Win32Canvas::Clear() {
  const RECT all{0, 0, size_, size_};
  FillRect(keptDc_.get(), &all, GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace morvane::win32
