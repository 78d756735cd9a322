#include "app/busy_state.h"

namespace morvane {

void SetControlsEnabled(const Form& form, bool enabled) {
  form.extractButton.SetEnabled(enabled);
  form.destinationBrowse.SetEnabled(enabled);
  form.sourceBrowse.SetEnabled(enabled);
  form.destinationField.Focus();
}

}  // namespace morvane
