#pragma once
// The font of the window's captions and fields. Japanese Windows' UI faces are taller and wider
// than the ones the layout was drawn for: the message font is kept where every text stands
// whole in its control, else the largest size at which it does, down to 8 points; failing
// that, the compact Japanese UI face that every Japanese Windows has, in the same way.
#include <string>
#include <vector>

#include "platform/text_measure.h"

namespace morvane {

enum class TextPlacement {
  kTop,        // a label: the line at the top of the room
  kCentred,    // a button or a check box: the line centred in the room
  kWholeLine,  // a text box: the whole line box, whatever is typed into it
};

// Where a control draws a text of its own, in pixels.
struct TextRoom {
  std::wstring text;
  int width = 0, height = 0;
  TextPlacement placement = TextPlacement::kTop;
};

// Whether a line of that ink stands whole in the room.
bool Fits(const TextRoom& room, const LineInk& ink);

// The rooms of the window's captions and fields at `dpi`, from the layout, with the widest
// text each one ever shows.
std::vector<TextRoom> CaptionRooms(int dpi);

// What to try, in order: the message font's face from its height down to 8 points, then the
// compact face from 9 points down to 8.
std::vector<UiFont> UiFontCandidates(const UiFont& message, int dpi);

// The first candidate at which every text stands whole; the last where none does.
UiFont FitUiFont(std::vector<TextRoom> rooms, const std::vector<UiFont>& candidates,
                 FontMeasure& measure);

}  // namespace morvane
