#pragma once
// The window's controls as the window logic sees them: only what the handlers use.
#include <string>

namespace morvane {

class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::wstring Text() const = 0;
  virtual void SetText(const std::wstring& text) = 0;
  // Tries to take the keyboard focus; a box that cannot take it stays as it is.
  virtual void Focus() = 0;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual std::wstring Caption() const = 0;
  virtual void SetCaption(const std::wstring& caption) = 0;
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

// The icon counter: a label whose text must stay whole, on one line, inside it, in a font of
// its own.
class CounterLabel : public Label {
 public:
  virtual PixelSize Room() const = 0;
  // The font's height as designed, 9.75 points at the screen's resolution, in pixels.
  virtual int DesignedFontHeight() const = 0;
  // How far `text` inks to the right and down, drawn on one line at `height` pixels.
  virtual PixelSize InkOf(const std::wstring& text, int height) = 0;
  virtual void SetFontHeight(int height) = 0;
};

class Button {
 public:
  virtual ~Button() = default;
  virtual void SetCaption(const std::wstring& caption) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

class CheckBox {
 public:
  virtual ~CheckBox() = default;
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

}  // namespace morvane
