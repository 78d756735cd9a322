#pragma once
// What becomes of a message that waits for the window while a long run answers it between two
// files: the user's keyboard and mouse input to the client area is dropped, Esc asks for a
// stop, and everything else runs, the title bar, the close box, Alt+F4 and the system menu
// among it.
#include <windows.h>

namespace morvane::win32 {

enum class BusyInput { Dispatch, Drop, Stop };

BusyInput WhileBusy(const MSG& message);

}  // namespace morvane::win32
