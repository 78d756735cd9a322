#pragma once
// The mouse pointer over the window while the program works.
#include "platform/scope_exit.h"

namespace morvane {

class WaitCursor {
 public:
  virtual ~WaitCursor() = default;
  // Waiting: the system's wait cursor over the window; then the pointer it showed before.
  virtual void SetWaiting(bool waiting) = 0;
};

// The wait cursor until the scope ends, however it ends.
inline auto Waiting(WaitCursor& cursor) {
  cursor.SetWaiting(true);
  return ScopeExit([&cursor] { cursor.SetWaiting(false); });
}

}  // namespace morvane
