#pragma once
// How far a line of text inks in a font, as the logic asks the system to draw it.
#include <string>

namespace morvane {

// A face and its height in pixels: the em, without the internal leading.
struct UiFont {
  std::wstring face;
  int height = 0;

  friend bool operator==(const UiFont& a, const UiFont& b) {
    return a.face == b.face && a.height == b.height;
  }
};

// One line of text drawn from the top of its line box: how far its ink goes to the right, the
// rows its ink covers (`top` included, `bottom` not), and the height of the line box.
struct LineInk {
  int width = 0, top = 0, bottom = 0, lineHeight = 0;
};

class FontMeasure {
 public:
  virtual ~FontMeasure() = default;
  virtual LineInk Measure(const std::wstring& text, const UiFont& font) = 0;
};

}  // namespace morvane
