#pragma once
// A drag of files with the left mouse button, from a window of this process onto a point of
// the screen, as a user does it: the button goes down, the cursor moves, and the drop follows.
#include <windows.h>

#include <string>
#include <vector>

namespace morvane::testing {

struct Drag {
  DWORD effect = DROPEFFECT_NONE;  // what the target reported at the drop
  DWORD heldMs = 0;                // how long DoDragDrop held this program beyond the drag
  bool buttonDown = false, buttonUp = false;  // whether the system saw each press
  bool cursorMoved = false;                   // and each move of the cursor
};

// OLE must be initialised on this thread.
Drag DragFiles(const std::vector<std::wstring>& files, POINT target);

}  // namespace morvane::testing
