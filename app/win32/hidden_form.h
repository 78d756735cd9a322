#pragma once
// The main window of a run that never shows it: started with a file on its command line, the
// program writes that file's icons and ends. Plain values stand in for the controls, so that
// neither the window nor the common controls nor OLE need to be loaded for it.
#include <optional>

#include "app/form_layout.h"
#include "app/main_window.h"
#include "app/value_controls.h"
#include "app/value_preview.h"
#include "app/win32/win32_services.h"

namespace morvane::win32 {

class HiddenForm {
 public:
  // Whether the command line names a source file, so that the window would never be shown.
  static bool Wanted();

  HiddenForm();
  HiddenForm(const HiddenForm&) = delete;
  HiddenForm& operator=(const HiddenForm&) = delete;

  MainWindow& logic() { return *logic_; }

 private:
  ValueTextBox destinationField_, sourceField_;
  ValueButton extractButton_{L"cmdMake", nullptr, CaptionOf(kCmdMake)};
  ValueButton destinationBrowse_{L"Command1(0)", nullptr, CaptionOf(kCommand1Destination)};
  ValueButton sourceBrowse_{L"Command1(1)", nullptr, CaptionOf(kCommand1Source)};
  ValueCheckBox allIcons_;
  ValueLabel folderLabel_, counterLabel_;
  ValuePreview preview_;
  Win32Services services_;
  std::optional<MainWindow> logic_;
};

}  // namespace morvane::win32
