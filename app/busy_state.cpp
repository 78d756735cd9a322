#include "app/busy_state.h"

namespace morvane {

void SetControlsEnabled(const FormControls& form, bool enabled) {
  form.cmdMake->SetEnabled(enabled);
  form.Command1[0]->SetEnabled(enabled);
  form.Command1[1]->SetEnabled(enabled);
  form.Text1[0]->Focus();
}

}  // namespace morvane
