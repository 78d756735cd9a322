#include "platform/win32/win32_preview.h"

#include <string>

#include "platform/win32/dib_section.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/quick_selection.h"

namespace morvane::win32 {

Win32Preview::Win32Preview(HWND list, HWND canvas, int canvasSize)
    : list_(list),
      canvas_(canvas),
      size_(canvasSize),
      kept_(DibSection(canvasSize, canvasSize)),
      keptDc_(CreateCompatibleDC(nullptr)),
      pictures_(canvasSize) {
  SelectObject(keptDc_.get(), kept_.get());
  ClearKeptBitmap();
  KeepSelectionQuick(list_);
}

void Win32Preview::SetImagesAttached(bool attached) {
  // Attaching the list that is attached changes nothing, but the control would lay out anew.
  if (attached == imagesAttached_) return;
  imagesAttached_ = attached;
  ListView_SetImageList(list_, attached ? pictures_.images() : nullptr, LVSIL_NORMAL);
}

void Win32Preview::RemoveAllItems() {
  items_ = 0;
  ListView_DeleteAllItems(list_);
}

void Win32Preview::SetNumberedItems(int count) {
  items_ = count;
  // Wine's list places new items when it first paints them, and again once its scroll bar
  // has come, and asks the window to repaint every item it moves: 66,000 requests for 33,000
  // items, seconds long. Held, it places them without asking; released, it repaints once.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ListView_SetItemCountEx(list_, count, 0);
  // Placed before they are painted: a list that has painted before paints new items where
  // they stand, all at the origin, and so asks for every item's picture.
  ListView_Arrange(list_, LVA_DEFAULT);
  // Its first paint ever lays out once more; here, off screen, while held.
  const unique_hdc offScreen{CreateCompatibleDC(nullptr)};
  SendMessageW(list_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(offScreen.get()), PRF_CLIENT);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
}

void Win32Preview::SelectItem(int position) {
  const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, position - 1, state, state);
  ListView_SetSelectionMark(list_, position - 1);
}

std::optional<int> Win32Preview::SelectedIndex() const {
  // One item at most is selected, most often the one last selected: that one is asked first,
  // for a search of the list looks at every item before the selected one.
  const int mark = ListView_GetSelectionMark(list_);
  if (mark >= 0 && mark < items_ && ListView_GetItemState(list_, mark, LVIS_SELECTED)) {
    return mark + 1;
  }
  const int selected = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (selected < 0) return std::nullopt;
  return selected + 1;
}

void Win32Preview::Describe(NMLVDISPINFOW& request) {
  LVITEMW& item = request.item;
  if (item.iItem < 0 || item.iItem >= items_) return;
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    lstrcpynW(item.pszText, std::to_wstring(item.iItem + 1).c_str(), item.cchTextMax);
  }
  if (item.mask & LVIF_IMAGE) item.iImage = pictures_.IndexOf(item.iItem + 1);
}

void Win32Preview::RemoveAll() { pictures_.Clear(); }

void Win32Preview::SetIconFile(const ShellIconFile& file, int count) {
  pictures_.SetFile(file, count);
}

void Win32Preview::SetAutoRedraw(bool on) {
  autoRedraw_ = on;
  if (!on) ShowKeptBitmap();
}

void Win32Preview::Clear() { ClearKeptBitmap(); }

void Win32Preview::ShowImage(int number) {
  const int index = pictures_.IndexOf(number);
  ClearKeptBitmap();
  late::ImageList_Draw(pictures_.images(), index, keptDc_.get(), 0, 0, ILD_NORMAL);
}

void Win32Preview::Paint(HDC target) const {
  BitBlt(target, 0, 0, size_, size_, keptDc_.get(), 0, 0, SRCCOPY);
}

void Win32Preview::ClearKeptBitmap() {
  const RECT all{0, 0, size_, size_};
  FillRect(keptDc_.get(), &all, GetSysColorBrush(COLOR_WINDOW));
  if (!autoRedraw_) ShowKeptBitmap();
}

// Drawing with persistent drawing on is shown once it is switched off.
void Win32Preview::ShowKeptBitmap() { InvalidateRect(canvas_, nullptr, FALSE); }

}  // namespace morvane::win32
