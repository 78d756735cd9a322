#pragma once
// A drag of files with the left mouse button onto a point of the screen, as a user does it: the
// button goes down there on a window of this process, the drag goes on for a while over the
// target, and the drop follows.
#include <windows.h>

#include <string>
#include <vector>

namespace morvane::testing {

struct Drag {
  DWORD effect = DROPEFFECT_NONE;  // what the target reported at the drop
  DWORD heldMs = 0;                // how long DoDragDrop held this program beyond the drag
  bool buttonDown = false, buttonUp = false;  // whether this thread saw each press
  bool cursorMoved = false;                   // and the cursor arrive at the target
};

// OLE must be initialised on this thread.
Drag DragFiles(const std::vector<std::wstring>& files, POINT target);

}  // namespace morvane::testing
