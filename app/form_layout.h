#pragma once
// The main window's controls: names, kinds, captions, places and tab order.
// Positions and sizes are pixels at 96 DPI, in the window's client area.
#include <array>

#include "platform/program_texts.h"

namespace morvane {

constexpr int kClientWidth = 329;
constexpr int kClientHeight = 317;
constexpr int kCanvasSize = 32;

// Pixels at 96 DPI in pixels at `dpi`, rounded to the nearest.
constexpr int Scaled(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }

// A counter is a label whose text stays on one line.
enum class ControlKind { kPictureBox, kFrame, kCheckBox, kButton, kTextBox, kLabel, kCounter, kListView };

enum ControlId : int {
  kPicture1 = 1001,
  kFrame1,
  kCheck1,
  kCmdMake,
  kText1Source,          // Text1(1)
  kText1Destination,     // Text1(0)
  kCommand1Source,       // Command1(1)
  kCommand1Destination,  // Command1(0)
  kLabel3,
  kLabel1Source,       // Label1(1)
  kLabel1Destination,  // Label1(0)
  kLabel2Folder,       // Label2(1)
  kListView1,
};

struct ControlLayout {
  ControlId id;
  ControlKind kind;
  const wchar_t* caption;
  int x, y, width, height;
  int tabIndex;
  bool visible;
};

// In the order the window creates them.
inline constexpr std::array<ControlLayout, 13> kFormLayout{{
    {kPicture1, ControlKind::kPictureBox, L"", 284, 40, 32, 32, 11, true},
    {kFrame1, ControlKind::kFrame, L"", 4, 0, 321, 93, 8, true},
    {kCheck1, ControlKind::kCheckBox, texts::kAllIcons, 244, 12, 73, 16, 9, true},
    {kCmdMake, ControlKind::kButton, texts::kExtract, 116, 12, 93, 17, 4, true},
    {kText1Source, ControlKind::kTextBox, L"", 12, 68, 221, 18, 1, true},
    {kText1Destination, ControlKind::kTextBox, L"", 12, 32, 221, 18, 0, true},
    {kCommand1Source, ControlKind::kButton, texts::kBrowse, 240, 68, 37, 17, 3, true},
    {kCommand1Destination, ControlKind::kButton, texts::kBrowse, 240, 32, 37, 17, 2, true},
    {kLabel3, ControlKind::kCounter, texts::kCounterBeforeLoad, 104, 52, 126, 13, 12, true},
    {kLabel1Source, ControlKind::kLabel, texts::kSourceLabel, 16, 52, 65, 12, 6, true},
    {kLabel1Destination, ControlKind::kLabel, texts::kDestinationLabel, 16, 16, 79, 12, 5, true},
    {kLabel2Folder, ControlKind::kLabel, L"", 240, 52, 36, 12, 7, false},
    {kListView1, ControlKind::kListView, L"", 3, 96, 323, 217, 10, true},
}};

// A control's row of the layout; every id has one.
inline const ControlLayout& LayoutOf(ControlId id) {
  for (const ControlLayout& control : kFormLayout) {
    if (control.id == id) return control;
  }
  return kFormLayout.front();
}

// A control's initial caption or content.
inline const wchar_t* CaptionOf(ControlId id) { return LayoutOf(id).caption; }

}  // namespace morvane
