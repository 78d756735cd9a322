#include "preview/counter_font.h"

namespace morvane {

namespace {

bool Fits(CounterLabel& counter, const std::wstring& widest, int height) {
  const PixelSize room = counter.Room();
  for (wchar_t digit = L'0'; digit <= L'9'; ++digit) {
    std::wstring text = widest;
    for (wchar_t& c : text) {
      if (c >= L'0' && c <= L'9') c = digit;
    }
    const PixelSize ink = counter.InkOf(text, height);
    if (ink.width > room.width || ink.height > room.height) return false;
  }
  return true;
}

}  // namespace

void FitCounterFont(CounterLabel& counter, const std::wstring& widest) {
  int height = counter.DesignedFontHeight();
  while (height > 1 && !Fits(counter, widest, height)) --height;
  counter.SetFontHeight(height);
}

}  // namespace morvane
