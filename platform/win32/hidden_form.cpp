#include "platform/win32/hidden_form.h"

#include "app/command_line.h"

namespace morvane::win32 {

bool HiddenForm::Wanted() {
  return SourcePathFromArguments(Win32Process().Arguments()).has_value();
}

HiddenForm::HiddenForm() {
  counterLabel_.caption = CaptionOf(kLabel3);
  FormControls controls;
  controls.Text1[0] = &destinationField_;
  controls.Text1[1] = &sourceField_;
  controls.Command1[0] = &destinationBrowse_;
  controls.Command1[1] = &sourceBrowse_;
  controls.cmdMake = &extractButton_;
  controls.Check1 = &allIcons_;
  controls.Label2 = &folderLabel_;
  controls.Label3 = &counterLabel_;
  controls.ListView1 = &preview_;
  controls.ImageList1 = &preview_;
  controls.Picture1 = &preview_;
  logic_.emplace(controls, services_.platform);
}

}  // namespace morvane::win32
