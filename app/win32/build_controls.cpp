#include "app/win32/build_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "app/caption_font.h"
#include "app/form_layout.h"
#include "platform/win32/text_ink.h"
#include "platform/win32/window_dpi.h"

namespace morvane::win32 {

namespace {

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kPictureBox:
      return {WC_STATICW, SS_OWNERDRAW, 0};
    case ControlKind::kFrame:
      return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::kCheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::kButton:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::kTextBox:
      return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::kLabel:
      return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kCounter:
      return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::kListView:
      return {WC_LISTVIEWW,
              LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE |
                  LVS_OWNERDATA | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
  }
  return {WC_STATICW, 0, 0};
}

void CreateControls(HWND form, HINSTANCE instance, int dpi, HFONT font) {
  const auto scale = [dpi](int pixels) { return Scaled(pixels, dpi); };
  for (const ControlLayout& control : kFormLayout) {
    const ControlClass kind = ClassOf(control.kind);
    DWORD style = kind.style | WS_CHILD | WS_CLIPSIBLINGS | (control.visible ? WS_VISIBLE : 0);
    // The source field shows the file the list came from; only a load changes it.
    if (control.id == kText1Source) style |= ES_READONLY;
    HWND child = CreateWindowExW(
        kind.exStyle, kind.className, control.caption, style, scale(control.x), scale(control.y),
        scale(control.width), scale(control.height), form,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

// Keyboard focus follows the stacking order of the children, so stack them by tab index.
// The frame goes to the back, behind the controls it holds, and the canvas to the front.
void ArrangeStacking(HWND form) {
  const auto control = [form](ControlId id) { return GetDlgItem(form, id); };
  std::vector<ControlLayout> byTabIndex(kFormLayout.begin(), kFormLayout.end());
  std::sort(byTabIndex.begin(), byTabIndex.end(),
            [](const ControlLayout& a, const ControlLayout& b) { return a.tabIndex < b.tabIndex; });
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  HWND previous = HWND_TOP;
  for (const ControlLayout& row : byTabIndex) {
    SetWindowPos(control(row.id), previous, 0, 0, 0, 0, keep);
    previous = control(row.id);
  }
  SetWindowPos(control(kFrame1), HWND_BOTTOM, 0, 0, 0, 0, keep);
  SetWindowPos(control(kPicture1), HWND_TOP, 0, 0, 0, 0, keep);
}

}  // namespace

unique_hfont FittedUiFont(int dpi) {
  const LOGFONTW message = MessageFontAt(dpi);
  Win32FontMeasure measure(message);
  const UiFont designed{message.lfFaceName,
                        message.lfHeight < 0 ? -message.lfHeight : message.lfHeight};
  const UiFont fitted = FitUiFont(CaptionRooms(dpi), UiFontCandidates(designed, dpi), measure);
  const LOGFONTW font = measure.LogFontOf(fitted);
  return unique_hfont{CreateFontIndirectW(&font)};
}

void PlaceControls(HWND form, int dpi, HFONT font) {
  const auto scale = [dpi](int pixels) { return Scaled(pixels, dpi); };
  // All moved at once, and drawn once by the caller.
  HDWP moves = BeginDeferWindowPos(static_cast<int>(kFormLayout.size()));
  for (const ControlLayout& control : kFormLayout) {
    const HWND child = GetDlgItem(form, control.id);
    if (control.kind != ControlKind::kCounter) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (moves) {
      moves = DeferWindowPos(moves, child, nullptr, scale(control.x), scale(control.y),
                             scale(control.width), scale(control.height),
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    }
  }
  if (moves) EndDeferWindowPos(moves);
}

void BuildControls(HWND form, HINSTANCE instance, int dpi, HFONT font) {
  CreateControls(form, instance, dpi, font);
  ArrangeStacking(form);
}

}  // namespace morvane::win32
