#pragma once
// Moving the selection of Wine's owner-data list in constant time. To select an item, the list
// first deselects every other one, one by one: 33,000 steps for a click, an arrow key, Home or
// End. It skips that when nothing is selected, so the one selected item is deselected just
// before such a key or click, and selected again if it was to stay. A right click beside the
// items, which would deselect, does nothing.
#include <windows.h>

namespace morvane::win32 {

// Subclasses `list`, a single-selection list view, for as long as it lives.
void KeepSelectionQuick(HWND list);

}  // namespace morvane::win32
