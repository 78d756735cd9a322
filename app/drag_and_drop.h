#pragma once
// Which drags the list and the source field accept.
#include "platform/drag_state.h"

namespace morvane {

// Copy for a file list dragged with the left button alone and no modifier key; else no drop.
inline DropEffect DropEffectFor(const DragState& drag) {
  const bool accepted = drag.buttons == kLeftButton && drag.modifiers == 0 &&
                        drag.notification != DragNotification::Leave && drag.offersFileList;
  return accepted ? DropEffect::Copy : DropEffect::None;
}

}  // namespace morvane
