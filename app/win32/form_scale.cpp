// The window's answer to a move onto a monitor of another scale.
#include <utility>

#include "app/win32/build_controls.h"
#include "app/win32/form_window.h"
#include "platform/win32/window_dpi.h"
#include "res/resource_ids.h"

namespace morvane::win32 {

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (!controls_ || !logic_) return;
  // Laid out whole before anything of it is drawn.
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  // The list takes its pictures and spacing before its new size, which it then arranges for.
  const int size = Scale(kCanvasSize);
  controls_->pictures.Resize(size);
  controls_->list.SetPictures(
      controls_->pictures.images(),
      {SystemMetricAt(SM_CXICONSPACING, dpi_), SystemMetricAt(SM_CYICONSPACING, dpi_)});
  controls_->canvas.SetPictures(controls_->pictures.images(), size);
  unique_hfont font = FittedUiFont(dpi_);
  PlaceControls(hwnd_, dpi_, font.get());
  font_ = std::move(font);  // the controls have let go of the one it replaces
  controls_->counter.SetDpi(dpi_);
  tip_->SetScale(dpi_, font_.get());
  // The title bar's icons at the new scale.
  for (const auto& [which, metric] :
       {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
    const int side = SystemMetricAt(metric, dpi_);
    const HANDLE icon =
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_MORVANE), IMAGE_ICON, side, side, LR_SHARED);
    SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
  logic_->Form_DpiChanged();
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace morvane::win32
