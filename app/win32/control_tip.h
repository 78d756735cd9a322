#pragma once
// A tip over the parts of a control: the items of a list view, which Wine's list does not offer
// itself (no LVN_GETINFOTIP), or a whole field. It follows the part under the mouse and asks
// for that part's text each time it is about to show.
#include <windows.h>

#include <functional>
#include <string>

namespace morvane::win32 {

class ControlTip {
 public:
  // The part under the mouse, counted from 1, and its rectangle; 0 for none.
  using PartAt = std::function<int(HWND control, POINT mouse, RECT& area)>;
  // The text for a part; an empty one shows no tip.
  using TextOf = std::function<std::wstring(int part)>;

  ControlTip(HWND control, PartAt partAt, TextOf textOf);
  ~ControlTip();
  ControlTip(const ControlTip&) = delete;
  ControlTip& operator=(const ControlTip&) = delete;

  // The tip's font, and its width at the monitor's scale.
  void SetScale(int dpi, HFONT font);

  // The parts of a list view: its items.
  static int ItemOfList(HWND list, POINT mouse, RECT& area);
  // A field as a whole.
  static int WholeControl(HWND control, POINT mouse, RECT& area);

 private:
  static LRESULT CALLBACK Subclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR self) noexcept;
  void Follow(POINT mouse);

  HWND control_;
  HWND tip_;
  PartAt partAt_;
  TextOf textOf_;
  int part_ = 0;       // under the mouse; 0 for none
  std::wstring text_;  // what the tip shows, kept while it shows it
};

}  // namespace morvane::win32
