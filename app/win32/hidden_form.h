#pragma once
// The main window of a run that never shows it: started with a file on its command line, the
// program writes that file's icons and ends. Plain values stand in for the controls, so that
// neither the window nor the common controls nor OLE need to be loaded for it.
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

  HiddenForm() = default;
  HiddenForm(const HiddenForm&) = delete;
  HiddenForm& operator=(const HiddenForm&) = delete;

  MainWindow& logic() { return logic_; }

 private:
  struct Controls {
    ValueTextBox destinationField, sourceField;
    ValueButton destinationBrowse{CaptionOf(kCommand1Destination)};
    ValueButton sourceBrowse{CaptionOf(kCommand1Source)};
    ValueButton extractButton{CaptionOf(kCmdMake)};
    ValueCheckBox allIcons;
    ValueLabel folderLabel, counterLabel{CaptionOf(kLabel3)};
    ValuePreview preview;
  };

  Controls controls_;
  Win32Services services_;
  MainWindow logic_{ControlsOf(controls_), services_.platform};
};

}  // namespace morvane::win32
