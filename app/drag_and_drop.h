#pragma once
// Which drags the list and the source field accept.

namespace morvane {

enum class DropEffect { None = 0, Copy = 1 };

// Bits as the drag reports them.
constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;
constexpr int kShiftKey = 1, kCtrlKey = 2, kAltKey = 4;
enum class DragNotification { Enter = 0, Leave = 1, Over = 2 };

struct DragState {
  int buttons = 0;    // mouse buttons held
  int modifiers = 0;  // modifier keys held
  DragNotification notification = DragNotification::Over;
  bool offersFileList = false;
};

// Copy for a file list dragged with the left button alone and no modifier key; else no drop.
inline DropEffect DropEffectFor(const DragState& drag) {
  const bool accepted = drag.buttons == kLeftButton && drag.modifiers == 0 &&
                        drag.notification != DragNotification::Leave && drag.offersFileList;
  return accepted ? DropEffect::Copy : DropEffect::None;
}

}  // namespace morvane
