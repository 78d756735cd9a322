#include "app/win32/control_tip.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/win32/list_items.h"
#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

constexpr UINT_PTR kTool = 1;
constexpr int kTipWidth = 600;  // pixels at 96 DPI; a width lets the text break at its line ends

TTTOOLINFOW ToolOn(HWND control) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = control;
  tool.uId = kTool;
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  return tool;
}

}  // namespace

ControlTip::ControlTip(HWND control, PartAt partAt, TextOf textOf)
    : control_(control),
      tip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr, nullptr, nullptr)),
      partAt_(std::move(partAt)),
      textOf_(std::move(textOf)) {
  if (!tip_) return;
  TTTOOLINFOW tool = ToolOn(control_);
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  // After the tip's own subclass, so that this one sees the mouse first.
  late::SetWindowSubclass(control_, Subclass, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this));
}

void ControlTip::SetScale(int dpi, HFONT font) {
  if (!tip_) return;
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, dpi, 96));
  SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

ControlTip::~ControlTip() {
  if (!tip_) return;
  late::RemoveWindowSubclass(control_, Subclass, reinterpret_cast<UINT_PTR>(this));
  DestroyWindow(tip_);
}

int ControlTip::ItemOfList(HWND list, POINT mouse, RECT& area) {
  const int item = ItemAt(list, mouse);
  if (item >= 0) ListView_GetItemRect(list, item, &area, LVIR_BOUNDS);
  return item + 1;
}

int ControlTip::WholeControl(HWND control, POINT, RECT& area) {
  GetClientRect(control, &area);
  return 1;
}

// The tool is the rectangle of the part under the mouse, or nothing: moving to another part
// leaves the tool, so the tip goes and asks again for the next one.
void ControlTip::Follow(POINT mouse) {
  TTTOOLINFOW tool = ToolOn(control_);
  const int part = partAt_(control_, mouse, tool.rect);
  if (part == part_) return;
  part_ = part;
  SendMessageW(tip_, TTM_POP, 0, 0);
  SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK ControlTip::Subclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) noexcept {
  auto& tip = *reinterpret_cast<ControlTip*>(self);
  if (message == WM_MOUSEMOVE) tip.Follow({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (message == WM_NOTIFY) {
    auto& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.hwndFrom == tip.tip_ && header.code == TTN_GETDISPINFOW) {
      auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
      try {
        tip.text_ = tip.part_ > 0 ? tip.textOf_(tip.part_) : std::wstring();
      } catch (...) {
        tip.text_.clear();  // a tip that cannot be made is no tip
      }
      info.lpszText = tip.text_.data();
      return 0;
    }
  }
  return late::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace morvane::win32
