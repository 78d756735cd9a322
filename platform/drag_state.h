#pragma once
// A drag over one of the window's drop targets, as the drop targets report it.

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

}  // namespace morvane
