#include "app/destination_field.h"

namespace morvane {

void SetDestinationFolder(TextBox& field, const std::wstring& path) {
  field.SetText(path);
  const std::wstring text = field.Text();
  if (text.empty() || text.back() != L'\\') field.SetText(text + L'\\');
}

}  // namespace morvane
