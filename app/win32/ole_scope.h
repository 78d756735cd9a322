#pragma once
// OLE on this thread, for drops onto the window and the shell's dialogs: un-initialised at the
// end of the scope only if it was initialised.
#include "platform/win32/late_bound.h"

namespace morvane::win32 {

class OleScope {
 public:
  OleScope() : initialized_(SUCCEEDED(late::OleInitialize(nullptr))) {}
  ~OleScope() {
    if (initialized_) late::OleUninitialize();
  }
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;

 private:
  bool initialized_;
};

}  // namespace morvane::win32
