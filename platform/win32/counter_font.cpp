#include "platform/win32/counter_font.h"

#include <cstdint>

#include "platform/win32/unique_handle.h"

namespace morvane::win32 {

namespace {

// How many rows from the top the counter's text inks, drawn as the label draws it.
int InkedRows(HFONT font, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const unique_hbitmap canvas{CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  const unique_hdc dc{CreateCompatibleDC(nullptr)};
  if (!canvas || !dc) return 0;
  const HGDIOBJ previousBitmap = SelectObject(dc.get(), canvas.get());
  const HGDIOBJ previousFont = SelectObject(dc.get(), font);
  RECT area{0, 0, width, height};
  FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawTextW(dc.get(), L"Icon No．： 0123456789/", -1, &area, DT_LEFT | DT_NOPREFIX);
  GdiFlush();
  SelectObject(dc.get(), previousFont);
  SelectObject(dc.get(), previousBitmap);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int row = height; row > 0; --row) {
    for (int x = 0; x < width; ++x) {
      if ((pixels[(row - 1) * width + x] & 0xFFFFFF) != 0xFFFFFF) return row;
    }
  }
  return 0;
}

}  // namespace

HFONT CounterFont(int dpi, SIZE label) {
  LOGFONTW font{};
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(font.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
  for (font.lfHeight = -(975 * dpi / 7200); font.lfHeight < -1; ++font.lfHeight) {
    unique_hfont made{CreateFontIndirectW(&font)};
    if (made && InkedRows(made.get(), 2 * label.cx, 2 * label.cy) <= label.cy)
      return made.release();
  }
  return CreateFontIndirectW(&font);
}

}  // namespace morvane::win32
