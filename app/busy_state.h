#pragma once
// The busy state of the window and the destination field.
#include <string>

#include "platform/form_controls.h"

namespace morvane {

// Switches the three command buttons together, then tries to focus the destination field.
void SetControlsEnabled(const FormControls& form, bool enabled);

// The busy state for one scope: the buttons are disabled at its start and enabled again at
// its end, however it ends.
class BusyScope {
 public:
  explicit BusyScope(const FormControls& form) : form_(form) { SetControlsEnabled(form_, false); }
  ~BusyScope() { SetControlsEnabled(form_, true); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const FormControls& form_;
};

// Puts a folder into the destination field, ending in exactly one added "\" if it had none.
void SetDestinationFolder(const FormControls& form, const std::wstring& path);

}  // namespace morvane
