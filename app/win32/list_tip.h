#pragma once
// A tip over the items of a list view, which Wine's list does not offer itself (no
// LVN_GETINFOTIP): it follows the item under the mouse and asks for that item's text each time
// it is about to show.
#include <windows.h>

#include <functional>
#include <string>

namespace morvane::win32 {

class ListTip {
 public:
  // The text for item `number`, counted from 1; an empty one shows no tip.
  using TextOf = std::function<std::wstring(int number)>;

  ListTip(HWND list, TextOf textOf);
  ~ListTip();
  ListTip(const ListTip&) = delete;
  ListTip& operator=(const ListTip&) = delete;

  // The tip's font, and its width at the monitor's scale.
  void SetScale(int dpi, HFONT font);

 private:
  static LRESULT CALLBACK Subclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR self) noexcept;
  void Follow(POINT mouse);

  HWND list_;
  HWND tip_;
  TextOf textOf_;
  int item_ = -1;      // under the mouse, from 0; -1 for none
  std::wstring text_;  // what the tip shows, kept while it shows it
};

}  // namespace morvane::win32
