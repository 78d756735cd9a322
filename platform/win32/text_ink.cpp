#include "platform/win32/text_ink.h"

#include <cstdint>

#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

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
      if ((pixels[y * room.width + x] & 0xFFFFFF) == 0xFFFFFF) continue;
      if (x + 1 > ink.width) ink.width = x + 1;
      ink.height = y + 1;
    }
  }
  return ink;
}

}  // namespace morvane::win32
