#include "app/win32/win32_counter_label.h"

#include "app/win32/win32_controls.h"
#include "platform/program_texts.h"
#include "platform/win32/text_ink.h"

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

// Drawn as the label draws it, with room to spare: twice the label's size.
PixelSize Win32CounterLabel::InkOf(const std::wstring& text, int height) {
  if (height != measuredHeight_) measuredFont_.reset(CounterFont(height));
  measuredHeight_ = height;
  const PixelSize room = Room();
  return TextInk(measuredFont_.get(), text, {2 * room.width, 2 * room.height});
}

void Win32CounterLabel::SetFontHeight(int height) {
  unique_hfont fitted{CounterFont(height)};
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fitted.get()), TRUE);
  font_ = std::move(fitted);  // the font it replaces is no longer the label's
}

}  // namespace morvane::win32
