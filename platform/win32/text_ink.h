#pragma once
// How far a text inks, drawn on one line as a static control draws it.
#include <windows.h>

#include <map>
#include <string>

#include "platform/controls.h"
#include "platform/text_measure.h"
#include "platform/win32/gdi_owners.h"

namespace morvane::win32 {

// The ink of `text` in `font`, from the top left corner, within `room` pixels.
PixelSize TextInk(HFONT font, const std::wstring& text, PixelSize room);

// The ink of one line of `text` in `font`, drawn from the top left corner of its line box,
// rows above the box counted negative; for an empty text, the line box alone.
LineInk LineInkOf(HFONT font, const std::wstring& text);

// Fonts made from a template, such as the message font, in other faces and heights.
class Win32FontMeasure final : public FontMeasure {
 public:
  explicit Win32FontMeasure(const LOGFONTW& base) : base_(base) {}

  LineInk Measure(const std::wstring& text, const UiFont& font) override;
  // The template in that face and height; a face other than the template's gets the Japanese
  // character set.
  LOGFONTW LogFontOf(const UiFont& font) const;

 private:
  LOGFONTW base_;
  std::map<std::pair<std::wstring, int>, unique_hfont> made_;
};

}  // namespace morvane::win32
