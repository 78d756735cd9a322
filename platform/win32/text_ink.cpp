#include "platform/win32/text_ink.h"

#include <cstdint>

#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

namespace {

// Whether the pixel of the canvas is not the white it was filled with.
bool Inked(const std::uint32_t* pixels, int width, int x, int y) {
  return (pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF;
}

}  // namespace

// Drawn in black on white, then read back pixel by pixel.
PixelSize TextInk(HFONT font, const std::wstring& text, PixelSize room) {
  void* bits = nullptr;
  const unique_hbitmap canvas{DibSection(room.width, room.height, &bits)};
  const unique_hdc dc{CreateCompatibleDC(nullptr)};
  if (!canvas || !dc || !font) return {};
  {
    const SelectedObject onCanvas(dc.get(), canvas.get()), inFont(dc.get(), font);
    RECT area{0, 0, room.width, room.height};
    FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextW(dc.get(), text.c_str(), -1, &area, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
    GdiFlush();
  }
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  PixelSize ink;
  for (int y = 0; y < room.height; ++y) {
    for (int x = 0; x < room.width; ++x) {
      if (!Inked(pixels, room.width, x, y)) continue;
      if (x + 1 > ink.width) ink.width = x + 1;
      ink.height = y + 1;
    }
  }
  return ink;
}

// Drawn a line box below the canvas's top, in a canvas of three line boxes and the text's
// width with room to spare on either side.
LineInk LineInkOf(HFONT font, const std::wstring& text) {
  const unique_hdc dc{CreateCompatibleDC(nullptr)};
  if (!dc || !font) return {};
  TEXTMETRICW metrics{};
  SIZE extent{};
  {
    const SelectedObject inFont(dc.get(), font);
    GetTextMetricsW(dc.get(), &metrics);
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const int line = metrics.tmHeight;
  if (text.empty()) return {0, 0, 0, line};
  const int width = extent.cx + 2 * line + 1, height = 3 * line;
  void* bits = nullptr;
  const unique_hbitmap canvas{DibSection(width, height, &bits)};
  if (!canvas) return {};
  {
    const SelectedObject onCanvas(dc.get(), canvas.get()), inFont(dc.get(), font);
    RECT area{0, 0, width, height};
    FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT box{0, line, width, 2 * line};
    DrawTextW(dc.get(), text.c_str(), -1, &box, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
    GdiFlush();
  }
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  LineInk ink{0, 0, 0, line};
  bool any = false;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!Inked(pixels, width, x, y)) continue;
      if (!any) ink.top = y - line;
      any = true;
      ink.bottom = y - line + 1;
      if (x + 1 > ink.width) ink.width = x + 1;
    }
  }
  return ink;
}

LOGFONTW Win32FontMeasure::LogFontOf(const UiFont& font) const {
  LOGFONTW made = base_;
  made.lfHeight = -font.height;
  made.lfWidth = 0;
  if (font.face != base_.lfFaceName) made.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(made.lfFaceName, font.face.c_str(), LF_FACESIZE);
  return made;
}

LineInk Win32FontMeasure::Measure(const std::wstring& text, const UiFont& font) {
  unique_hfont& made = made_[{font.face, font.height}];
  if (!made) {
    const LOGFONTW logFont = LogFontOf(font);
    made.reset(CreateFontIndirectW(&logFont));
  }
  return LineInkOf(made.get(), text);
}

}  // namespace morvane::win32
