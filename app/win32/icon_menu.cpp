#include "app/win32/icon_menu.h"

#include <commctrl.h>

#include <utility>

namespace morvane::win32 {

namespace {

constexpr UINT kCopy = 1;
constexpr UINT kFirstImage = 100;

class Menu {
 public:
  explicit Menu(HMENU menu) : menu_(menu) {}
  ~Menu() {
    if (menu_) DestroyMenu(menu_);
  }
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;
  HMENU get() const { return menu_; }
  HMENU release() { return std::exchange(menu_, nullptr); }

 private:
  HMENU menu_;
};

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
  Menu images(CreatePopupMenu());
  const Menu menu(CreatePopupMenu());
  if (!images.get() || !menu.get()) return;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    AppendMenuW(images.get(), MF_STRING, kFirstImage + i, (*lines)[i].c_str());
  }
  AppendMenuW(menu.get(), MF_STRING | usable, kCopy, L"コピー(&C)\tCtrl+C");
  AppendMenuW(menu.get(), MF_POPUP | usable, reinterpret_cast<UINT_PTR>(images.get()),
              L"PNG で保存(&P)");
  images.release();  // the menu owns its submenu now
  if (screen.x == -1 && screen.y == -1) screen = AtSelectedItem(list);
  const UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                     screen.y, 0, form, nullptr);
  if (chosen == kCopy) return logic.mnuCopy_Click();
  if (chosen >= kFirstImage) logic.mnuSavePng_Click(static_cast<int>(chosen - kFirstImage));
}

}  // namespace morvane::win32
