#include "app/win32/hidden_form.h"

#include "app/command_line.h"

namespace morvane::win32 {

bool HiddenForm::Wanted() {
  return SourcePathFromArguments(Win32Process().Arguments()).has_value();
}

HiddenForm::HiddenForm() {
  counterLabel_.caption = CaptionOf(kLabel3);
  const FormControls controls{{&destinationField_, &sourceField_},
                              {&destinationBrowse_, &sourceBrowse_},
                              &extractButton_,
                              &allIcons_,
                              &folderLabel_,
                              &counterLabel_,
                              &preview_,
                              &preview_,
                              &preview_};
  logic_.emplace(controls, services_.platform);
}

}  // namespace morvane::win32
