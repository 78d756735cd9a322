#include "app/busy_state.h"

#include "platform/path_names.h"

namespace morvane {

void SetControlsEnabled(const FormControls& form, bool enabled) {
  form.cmdMake->SetEnabled(enabled);
  form.Command1[0]->SetEnabled(enabled);
  form.Command1[1]->SetEnabled(enabled);
  form.Text1[0]->Focus();
}

void SetDestinationFolder(const FormControls& form, const std::wstring& path) {
  form.Text1[0]->SetText(path);
  const std::wstring text = form.Text1[0]->Text();
  if (AsFolder(text) != text) form.Text1[0]->SetText(AsFolder(text));
}

}  // namespace morvane
