#include "platform/win32/counter_font.h"

#include <cstdint>

#include "platform/win32/dib_section.h"
#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

// How far down and to the right a text inks, drawn on one line as the label draws it.
SIZE InkOf(HFONT font, const std::wstring& text, SIZE room) {
  void* bits = nullptr;
  const unique_hbitmap canvas{DibSection(room.cx, room.cy, &bits)};
  const unique_hdc dc{CreateCompatibleDC(nullptr)};
  if (!canvas || !dc) return {};
  const HGDIOBJ previousBitmap = SelectObject(dc.get(), canvas.get());
  const HGDIOBJ previousFont = SelectObject(dc.get(), font);
  RECT area{0, 0, room.cx, room.cy};
  FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawTextW(dc.get(), text.c_str(), -1, &area, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
  GdiFlush();
  SelectObject(dc.get(), previousFont);
  SelectObject(dc.get(), previousBitmap);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  SIZE ink{0, 0};
  for (int y = 0; y < room.cy; ++y) {
    for (int x = 0; x < room.cx; ++x) {
      if ((pixels[y * room.cx + x] & 0xFFFFFF) == 0xFFFFFF) continue;
      if (x + 1 > ink.cx) ink.cx = x + 1;
      ink.cy = y + 1;
    }
  }
  return ink;
}

// Whether the text, with any one digit in place of all of its digits, stays inside the label.
bool Fits(HFONT font, SIZE label, const std::wstring& widest) {
  for (wchar_t digit = L'0'; digit <= L'9'; ++digit) {
    std::wstring text = widest;
    for (wchar_t& c : text) {
      if (c >= L'0' && c <= L'9') c = digit;
    }
    const SIZE ink = InkOf(font, text, {2 * label.cx, 2 * label.cy});
    if (ink.cx > label.cx || ink.cy > label.cy) return false;
  }
  return true;
}

}  // namespace

HFONT CounterFont(int dpi, SIZE label, const std::wstring& widest) {
  LOGFONTW font{};
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(font.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
  for (font.lfHeight = -(975 * dpi / 7200); font.lfHeight < -1; ++font.lfHeight) {
    unique_hfont made{CreateFontIndirectW(&font)};
    if (made && Fits(made.get(), label, widest)) return made.release();
  }
  return CreateFontIndirectW(&font);
}

}  // namespace morvane::win32
