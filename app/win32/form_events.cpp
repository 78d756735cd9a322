// The window's answers to its controls' events: clicks, the list's notifications, and the menu
// that a right click or the menu key asks for.
#include "app/win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/win32/icon_menu.h"
#include "app/win32/list_items.h"

namespace morvane::win32 {

bool FormWindow::OnContextMenu(HWND from, LPARAM at) {
  if (!logic_) return false;
  const POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  // The canvas lets the mouse through to the window: a right click on it comes from there.
  RECT canvas;
  GetWindowRect(Control(kPicture1), &canvas);
  const bool onCanvas = from == hwnd_ && PtInRect(&canvas, screen);
  const HWND list = Control(kListView1);
  if (from != list && !onCanvas) return false;
  // A right click beside the list's items opens no menu; the keyboard's request (-1, -1)
  // opens it at the selected item.
  const bool fromKeyboard = screen.x == -1 && screen.y == -1;
  POINT client = screen;
  ScreenToClient(list, &client);
  if (from == list && !fromKeyboard && ItemAt(list, client) < 0) return true;
  ShowIconMenu(hwnd_, list, screen, *logic_);
  return true;
}

void FormWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED || !logic_) return;
  if (id == kCmdMake) logic_->cmdMake_Click();
  if (id == kCommand1Destination) logic_->Command1_Click(0);
  if (id == kCommand1Source) logic_->Command1_Click(1);
}

LRESULT FormWindow::OnNotify(NMHDR& header) {
  if (header.idFrom != kListView1 || !logic_) return 0;
  if (header.code == LVN_GETDISPINFOW) {
    controls_->list.Describe(reinterpret_cast<NMLVDISPINFOW&>(header),
                             [this](int item) { return logic_->ListView1_PictureOf(item); });
  } else if (header.code == LVN_ODFINDITEMW) {
    return controls_->list.Find(reinterpret_cast<const NMLVFINDITEMW&>(header));
  } else if (header.code == NM_CLICK) {
    logic_->ListView1_Click();
  } else if (header.code == LVN_KEYDOWN) {
    const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
    if (key.wVKey == 'C' && GetKeyState(VK_CONTROL) < 0) logic_->mnuCopy_Click();
  } else if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if ((change.uChanged & LVIF_STATE) && selected) logic_->ListView1_SelectionChanged();
  }
  return 0;
}

}  // namespace morvane::win32
