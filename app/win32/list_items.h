#pragma once
// Two questions to the icon list that take constant time at any count: which item lies under a
// point, and which one is selected.
#include <windows.h>
#include <commctrl.h>

namespace morvane::win32 {

// The item under `client`, a point in the list's client area; -1 beside the items.
inline int ItemAt(HWND list, POINT client) {
  LVHITTESTINFO hit{};
  hit.pt = client;
  return ListView_HitTest(list, &hit);
}

// The list's one selected item, found from its selection mark; -1 where the item at the mark
// is not selected.
inline int SelectedAtMark(HWND list) {
  const int mark = ListView_GetSelectionMark(list);
  return mark >= 0 && ListView_GetItemState(list, mark, LVIS_SELECTED) ? mark : -1;
}

}  // namespace morvane::win32
