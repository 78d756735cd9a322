#include "app/caption_font.h"

#include <algorithm>

#include "app/form_layout.h"

namespace morvane {

namespace {

// Points at a DPI, in whole pixels, rounded up: never below the size asked for.
int PixelsOfPoints(int points, int dpi) { return (points * dpi + 71) / 72; }

// What the controls keep for themselves, in pixels at 96 DPI: a text box's sunken edge, a
// button's edge and focus rectangle, a check box's box and the gap after it.
constexpr int kTextBoxEdge = 2;
constexpr int kButtonSide = 3, kButtonTopAndBottom = 2;
constexpr int kCheckBoxBox = 17;

}  // namespace

bool Fits(const TextRoom& room, const LineInk& ink) {
  if (room.placement == TextPlacement::kWholeLine) return ink.lineHeight <= room.height;
  if (ink.width > room.width) return false;
  const auto inside = [&](int lineTop) {
    return lineTop + ink.top >= 0 && lineTop + ink.bottom <= room.height;
  };
  if (room.placement != TextPlacement::kCentred) return inside(0);
  // Centred where the room and the line box differ by an odd number of rows, the line stands
  // half a row higher or lower as the control rounds it: Wine's buttons round up, where the
  // room is the smaller. It must fit either way.
  const int spare = room.height - ink.lineHeight;
  const int higher = (spare - (spare & 1)) / 2;  // spare / 2, rounded down
  return inside(higher) && inside(spare - higher);
}

std::vector<TextRoom> CaptionRooms(int dpi) {
  std::vector<TextRoom> rooms;
  for (const ControlLayout& control : kFormLayout) {
    if (!control.visible) continue;
    const int width = Scaled(control.width, dpi), height = Scaled(control.height, dpi);
    switch (control.kind) {
      case ControlKind::kLabel:
        rooms.push_back({control.caption, width, height, TextPlacement::kTop});
        break;
      case ControlKind::kCheckBox:
        rooms.push_back(
            {control.caption, width - Scaled(kCheckBoxBox, dpi), height, TextPlacement::kCentred});
        break;
      case ControlKind::kButton: {
        const TextRoom room{control.caption, width - 2 * Scaled(kButtonSide, dpi),
                            height - 2 * Scaled(kButtonTopAndBottom, dpi), TextPlacement::kCentred};
        rooms.push_back(room);
        // The Extract button also tells how far a run has come.
        if (control.id == kCmdMake) {
          rooms.push_back({std::wstring(texts::kExtracting) + L" 100%", room.width, room.height,
                           TextPlacement::kCentred});
        }
        break;
      }
      case ControlKind::kTextBox:
        rooms.push_back({L"", width - 2 * Scaled(kTextBoxEdge, dpi),
                         height - 2 * Scaled(kTextBoxEdge, dpi), TextPlacement::kWholeLine});
        break;
      default:  // the counter fits a font of its own; the rest draw no text of the layout
        break;
    }
  }
  return rooms;
}

std::vector<UiFont> UiFontCandidates(const UiFont& message, int dpi) {
  const int smallest = PixelsOfPoints(8, dpi);
  std::vector<UiFont> candidates{message};
  for (int height = message.height - 1; height >= smallest; --height) {
    candidates.push_back({message.face, height});
  }
  if (message.face == texts::kCompactUiFace) return candidates;
  for (int height = PixelsOfPoints(9, dpi); height >= smallest; --height) {
    candidates.push_back({texts::kCompactUiFace, height});
  }
  return candidates;
}

UiFont FitUiFont(std::vector<TextRoom> rooms, const std::vector<UiFont>& candidates,
                 FontMeasure& measure) {
  // A whole line is the quickest to measure, and the first to fail in a tall face.
  std::stable_partition(rooms.begin(), rooms.end(), [](const TextRoom& room) {
    return room.placement == TextPlacement::kWholeLine;
  });
  for (const UiFont& font : candidates) {
    bool all = true;
    for (const TextRoom& room : rooms) {
      if (!(all = Fits(room, measure.Measure(room.text, font)))) break;
    }
    if (all) return font;
  }
  return candidates.back();
}

}  // namespace morvane
