#include "browse/source_file_dialog.h"

#include "preview/icon_list.h"

namespace morvane {

std::wstring InitialFileName(const std::wstring& remembered) {
  if (remembered.empty()) return L"c:\\*.*";
  const std::size_t cut = remembered.rfind(L'\\');
  const std::wstring folder =
      cut == std::wstring::npos ? remembered : remembered.substr(0, cut + 1);
  return folder + L"*.*";
}

void ResetSourceDisplay(const FormControls& form) {
  form.Text1[1]->SetText(L"");
  form.Label2->SetCaption(L"");
  form.Picture1->SetAutoRedraw(true);
  form.Picture1->Clear();
  form.Picture1->SetAutoRedraw(false);
  EmptyPreviewList(form);
}

void BrowseSourceFile(const FormControls& form, Platform& platform, std::int16_t& iconCount,
                      std::wstring& fileName) {
  fileName = InitialFileName(fileName);
  const auto chosen = platform.fileDialog.ShowOpen(fileName);
  if (!chosen) return ResetSourceDisplay(form);
  fileName = *chosen;
  LoadIconList(form, platform, iconCount, *chosen);
}

}  // namespace morvane
