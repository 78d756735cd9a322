#include "app/win32/quick_selection.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/win32/list_items.h"
#include "platform/win32/late_bound.h"
#include "preview/icon_list.h"

namespace morvane::win32 {

namespace {

bool IsSelectingKey(UINT message, WPARAM key) {
  if (message == WM_CHAR) return true;  // a typed digit may select the item a number begins
  if (message != WM_KEYDOWN) return false;
  switch (key) {
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

void SetSelected(HWND list, int item, bool selected) {
  ListView_SetItemState(list, item, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

LRESULT CALLBACK QuickSelection(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) noexcept {
  const bool click = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
  const bool onAnItem = click && ItemAt(list, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) >= 0;
  // A right click beside the items, which would deselect, changes nothing; a left click there
  // deselects, as it should.
  if (message == WM_RBUTTONDOWN && !onAnItem) return 0;
  // Only digits search the list: any other character, Enter's and Ctrl+C's among them, leaves
  // the selection as it is.
  if (message == WM_CHAR && !IsTypedDigit(static_cast<wchar_t>(wParam))) return 0;
  // Only keys and clicks that select another item go the quick way.
  if (!(click ? onAnItem : IsSelectingKey(message, wParam))) {
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
