// The window's size from its layout, and its answer to a move onto a monitor of another scale.
#include <utility>

#include "app/win32/build_controls.h"
#include "app/win32/form_window.h"
#include "app/win32/redraw_held.h"
#include "platform/win32/window_dpi.h"
#include "res/resource_ids.h"

namespace morvane::win32 {

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  {
    // Laid out whole before anything of it is drawn, then drawn once. The size is the layout's,
    // never the suggested one, which a system that scaled the window linearly made.
    const RedrawHeld form(hwnd_);
    const SIZE frame = FrameAt(dpi_);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    FitClientArea();
    if (controls_ && logic_) ScaleContents();
  }
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormWindow::ScaleContents() {
  // Wine's list asks for a repaint of every item it moves, and on its release places them again:
  // seconds for 33,000 items. Held, it takes its pictures, spacing and size without asking, and
  // its items placed once, at the end, its release moves nothing.
  const RedrawHeld list(Control(kListView1));
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
  for (auto* tip : {&*listTip_, &*sourceTip_}) tip->SetScale(dpi_, font_.get());
  // The title bar's icons at the new scale.
  for (const auto& [which, metric] :
       {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
    const int side = SystemMetricAt(metric, dpi_);
    const HANDLE icon =
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_MORVANE), IMAGE_ICON, side, side, LR_SHARED);
    SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
  logic_->Form_DpiChanged();
  controls_->list.ArrangeItems();
}

SIZE FormWindow::FrameAt(int dpi) const {
  return FrameAround({Scaled(kClientWidth, dpi), Scaled(kClientHeight, dpi)}, kStyle, dpi);
}

void FormWindow::FitClientArea() {
  RECT client, frame;
  GetClientRect(hwnd_, &client);
  const int wider = Scale(kClientWidth) - client.right,
            taller = Scale(kClientHeight) - client.bottom;
  if (wider == 0 && taller == 0) return;
  // The frame the system draws is not the one it tells at this scale: where per-monitor scaling
  // came late (Windows 10 1607) and under Wine, it stays as it was.
  GetWindowRect(hwnd_, &frame);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + wider,
               frame.bottom - frame.top + taller,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
}

}  // namespace morvane::win32
