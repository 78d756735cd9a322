#pragma once
// The counter, Label3: a static that keeps one line, in "ＭＳ Ｐゴシック" of a height the
// preview fits to it.
#include <windows.h>

#include "platform/controls.h"
#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

class Win32CounterLabel final : public CounterLabel {
 public:
  Win32CounterLabel(HWND window, int dpi) : window_(window), dpi_(dpi) {}

  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;
  PixelSize Room() const override;
  int DesignedFontHeight() const override { return 975 * dpi_ / 7200; }
  PixelSize InkOf(const std::wstring& text, int height) override;
  void SetFontHeight(int height) override;
  // The monitor's scale, which the designed height follows.
  void SetDpi(int dpi) { dpi_ = dpi; }

 private:
  HWND window_;
  int dpi_;
  unique_hfont font_;
  unique_hfont measuredFont_;  // the height last measured, for the next text at it
  int measuredHeight_ = 0;
};

}  // namespace morvane::win32
