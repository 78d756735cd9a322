#include "platform/win32/win32_counter_label.h"

#include <cstdint>

#include "platform/program_texts.h"
#include "platform/win32/win32_controls.h"

namespace morvane::win32 {

namespace {

HFONT CounterFont(int height) {
  LOGFONTW font{};
  font.lfHeight = -height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(font.lfFaceName, texts::kCounterFace, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace

std::wstring Win32CounterLabel::Caption() const { return WindowText(window_); }

void Win32CounterLabel::SetCaption(const std::wstring& caption) {
  SetWindowTextW(window_, caption.c_str());
}

PixelSize Win32CounterLabel::Room() const {
  RECT room{};
  GetClientRect(window_, &room);
  return {room.right, room.bottom};
}

// Drawn as the label draws it, on a white canvas twice the label's size.
PixelSize Win32CounterLabel::InkOf(const std::wstring& text, int height) {
  const PixelSize room = Room();
  const int width = 2 * room.width, depth = 2 * room.height;
  void* bits = nullptr;
  const unique_hbitmap canvas{DibSection(width, depth, &bits)};
  const unique_hdc dc{CreateCompatibleDC(nullptr)};
  if (height != measuredHeight_) measuredFont_.reset(CounterFont(height));
  measuredHeight_ = height;
  if (!canvas || !dc || !measuredFont_) return {};
  {
    const SelectedObject onCanvas(dc.get(), canvas.get()), inFont(dc.get(), measuredFont_.get());
    RECT area{0, 0, width, depth};
    FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextW(dc.get(), text.c_str(), -1, &area, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
    GdiFlush();
  }
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  PixelSize ink;
  for (int y = 0; y < depth; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((pixels[y * width + x] & 0xFFFFFF) == 0xFFFFFF) continue;
      if (x + 1 > ink.width) ink.width = x + 1;
      ink.height = y + 1;
    }
  }
  return ink;
}

void Win32CounterLabel::SetFontHeight(int height) {
  unique_hfont fitted{CounterFont(height)};
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fitted.get()), TRUE);
  font_ = std::move(fitted);  // the font it replaces is no longer the label's
}

}  // namespace morvane::win32
