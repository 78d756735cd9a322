#include "app/win32/quick_selection.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

// The list's one selected item, found from its selection mark; -1 for none there.
int SelectedAtMark(HWND list) {
  const int mark = ListView_GetSelectionMark(list);
  return mark >= 0 && ListView_GetItemState(list, mark, LVIS_SELECTED) ? mark : -1;
}

// Keys and clicks that select another item. A click beside the items deselects, as it should.
bool MayMoveSelection(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN) {
    switch (wParam) {
      case VK_HOME:
      case VK_END:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        return true;
    }
    return false;
  }
  if (message != WM_LBUTTONDOWN && message != WM_RBUTTONDOWN) return false;
  LVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return ListView_HitTest(list, &hit) >= 0;
}

void SetSelected(HWND list, int item, bool selected) {
  ListView_SetItemState(list, item, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

// A right click beside the items, which would deselect, changes nothing.
bool IsRightClickBesideTheItems(HWND list, UINT message, LPARAM lParam) {
  if (message != WM_RBUTTONDOWN) return false;
  LVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return ListView_HitTest(list, &hit) < 0;
}

LRESULT CALLBACK QuickSelection(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) noexcept {
  if (IsRightClickBesideTheItems(list, message, lParam)) return 0;
  if (!MayMoveSelection(list, message, wParam, lParam)) {
    return late::DefSubclassProc(list, message, wParam, lParam);
  }
  const int before = SelectedAtMark(list);
  if (before >= 0) SetSelected(list, before, false);
  const LRESULT result = late::DefSubclassProc(list, message, wParam, lParam);
  // A key that found no other item to go to, as End on the last one, leaves it selected.
  if (before >= 0 && SelectedAtMark(list) < 0) SetSelected(list, before, true);
  return result;
}

}  // namespace

void KeepSelectionQuick(HWND list) { late::SetWindowSubclass(list, QuickSelection, 0, 0); }

}  // namespace morvane::win32
