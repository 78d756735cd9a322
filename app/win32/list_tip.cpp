#include "app/win32/list_tip.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/win32/list_items.h"
#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

constexpr UINT_PTR kTool = 1;
constexpr int kTipWidth = 600;  // pixels at 96 DPI; a width lets the text break at its line ends

TTTOOLINFOW ToolOn(HWND list) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = list;
  tool.uId = kTool;
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  return tool;
}

}  // namespace

ListTip::ListTip(HWND list, TextOf textOf)
    : list_(list),
      tip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, list, nullptr, nullptr, nullptr)),
      textOf_(std::move(textOf)) {
  if (!tip_) return;
  TTTOOLINFOW tool = ToolOn(list_);
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  // After the tip's own subclass, so that this one sees the mouse first.
  late::SetWindowSubclass(list_, Subclass, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this));
}

void ListTip::SetScale(int dpi, HFONT font) {
  if (!tip_) return;
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, dpi, 96));
  SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

ListTip::~ListTip() {
  if (!tip_) return;
  late::RemoveWindowSubclass(list_, Subclass, reinterpret_cast<UINT_PTR>(this));
  DestroyWindow(tip_);
}

// The tool is the rectangle of the item under the mouse, or nothing: moving to another item
// leaves the tool, so the tip goes and asks again for the next one.
void ListTip::Follow(POINT mouse) {
  const int item = ItemAt(list_, mouse);
  if (item == item_) return;
  item_ = item;
  SendMessageW(tip_, TTM_POP, 0, 0);
  TTTOOLINFOW tool = ToolOn(list_);
  if (item_ >= 0) ListView_GetItemRect(list_, item_, &tool.rect, LVIR_BOUNDS);
  SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK ListTip::Subclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR self) noexcept {
  auto& tip = *reinterpret_cast<ListTip*>(self);
  if (message == WM_MOUSEMOVE) tip.Follow({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (message == WM_NOTIFY) {
    auto& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.hwndFrom == tip.tip_ && header.code == TTN_GETDISPINFOW) {
      auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
      try {
        tip.text_ = tip.item_ >= 0 ? tip.textOf_(tip.item_ + 1) : std::wstring();
      } catch (...) {
        tip.text_.clear();  // a tip that cannot be made is no tip
      }
      info.lpszText = tip.text_.data();
      return 0;
    }
  }
  return late::DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace morvane::win32
