#include "app/win32/icon_menu.h"

#include <commctrl.h>

#include "platform/program_texts.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

constexpr UINT kCopy = 1;
constexpr UINT kFirstImage = 100;

// Where the keyboard's menu opens: on the selected item.
POINT AtSelectedItem(HWND list) {
  RECT item{};
  const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  ListView_GetItemRect(list, selected, &item, LVIR_ICON);
  POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &at);
  return at;
}

}  // namespace

void ShowIconMenu(HWND form, HWND list, POINT screen, MainWindow& logic) {
  const auto lines = logic.ListView1_MenuLines();
  if (!lines) return;
  const UINT usable = lines->empty() ? MF_GRAYED : MF_ENABLED;
  unique_hmenu images(CreatePopupMenu());
  const unique_hmenu menu(CreatePopupMenu());
  if (!images || !menu) return;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    AppendMenuW(images.get(), MF_STRING, kFirstImage + i, (*lines)[i].c_str());
  }
  AppendMenuW(menu.get(), MF_STRING | usable, kCopy, texts::kCopyItem);
  AppendMenuW(menu.get(), MF_POPUP | usable, reinterpret_cast<UINT_PTR>(images.get()),
              texts::kSavePngItem);
  images.release();  // the menu owns its submenu now
  if (screen.x == -1 && screen.y == -1) screen = AtSelectedItem(list);
  const UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                     screen.y, 0, form, nullptr);
  if (chosen == kCopy) return logic.mnuCopy_Click();
  if (chosen >= kFirstImage) logic.mnuSavePng_Click(static_cast<int>(chosen - kFirstImage));
}

}  // namespace morvane::win32
