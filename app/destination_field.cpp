#include "app/destination_field.h"

#include "platform/path_names.h"

namespace morvane {

void SetDestinationFolder(const FormControls& form, const std::wstring& path) {
  form.Text1[0]->SetText(path);
  const std::wstring text = form.Text1[0]->Text();
  if (AsFolder(text) != text) form.Text1[0]->SetText(AsFolder(text));
}

}  // namespace morvane
