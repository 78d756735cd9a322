#include "app/win32/win32_icon_list_view.h"

#include <string>

#include "app/win32/list_items.h"
#include "app/win32/redraw_held.h"
#include "platform/win32/gdi_owners.h"
#include "preview/icon_list.h"

namespace morvane::win32 {

void Win32IconListView::AttachPictures(bool attached) {
  // Attaching the list that is attached changes nothing, but the control would lay out anew.
  if (attached == attached_) return;
  attached_ = attached;
  ListView_SetImageList(list_, attached ? images_ : nullptr, LVSIL_NORMAL);
}

void Win32IconListView::SetPictures(HIMAGELIST images, SIZE spacing) {
  images_ = images;
  if (attached_) ListView_SetImageList(list_, images_, LVSIL_NORMAL);
  ListView_SetIconSpacing(list_, spacing.cx, spacing.cy);
}

void Win32IconListView::RemoveItems() {
  items_ = 0;
  ListView_DeleteAllItems(list_);
}

void Win32IconListView::ShowNumberedItems(int count) {
  items_ = count;
  // Wine's list places new items when it first paints them, and again once its scroll bar
  // has come, and asks the window to repaint every item it moves: 66,000 requests for 33,000
  // items, seconds long. Held, it places them without asking; released, it repaints once.
  const RedrawHeld held(list_);
  ListView_SetItemCountEx(list_, count, 0);
  // Placed before they are painted: a list that has painted before paints new items where
  // they stand, all at the origin, and so asks for every item's picture.
  ListView_Arrange(list_, LVA_DEFAULT);
  // Its first paint ever lays out once more; here, off screen, while held.
  const unique_hdc offScreen{CreateCompatibleDC(nullptr)};
  SendMessageW(list_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(offScreen.get()), PRF_CLIENT);
}

void Win32IconListView::Select(int item) {
  const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, item - 1, state, state);
  ListView_SetSelectionMark(list_, item - 1);
}

std::optional<int> Win32IconListView::SelectedItem() const {
  // One item at most is selected, most often the one last selected: that one is asked first,
  // for a search of the list looks at every item before the selected one.
  const int mark = SelectedAtMark(list_);
  if (mark >= 0 && mark < items_) return mark + 1;
  const int selected = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (selected < 0) return std::nullopt;
  return selected + 1;
}

void Win32IconListView::Describe(NMLVDISPINFOW& request,
                                 const std::function<int(int item)>& placeOf) const {
  LVITEMW& item = request.item;
  if (item.iItem < 0 || item.iItem >= items_) return;
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    lstrcpynW(item.pszText, std::to_wstring(item.iItem + 1).c_str(), item.cchTextMax);
  }
  if (item.mask & LVIF_IMAGE) item.iImage = placeOf(item.iItem + 1);
}

LRESULT Win32IconListView::Find(const NMLVFINDITEMW& request) const {
  const LVFINDINFOW& find = request.lvfi;
  if (!(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.psz) return -1;
  const auto found =
      FindNumberedItem(items_, find.psz, request.iStart + 1, (find.flags & LVFI_WRAP) != 0);
  return found ? *found - 1 : -1;
}

}  // namespace morvane::win32
