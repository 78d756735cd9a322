#include "app/destination_field.h"

namespace morvane {

void SetDestinationFolder(const FormControls& form, const std::wstring& path) {
  form.Text1[0]->SetText(path);
  const std::wstring text = form.Text1[0]->Text();
  if (text.empty() || text.back() != L'\\') form.Text1[0]->SetText(text + L'\\');
}

}  // namespace morvane
