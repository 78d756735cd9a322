#pragma once
// The main window of a run that never shows it: started with a file on its command line, the
// program writes that file's icons and ends. Plain values stand in for the controls, so that
// neither the window nor the common controls nor OLE need to be loaded for it.
#include "app/form_layout.h"
#include "app/main_window.h"
#include "app/value_controls.h"
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
  ValueTextBox destinationField_, sourceField_;
  ValueButton destinationBrowse_{CaptionOf(kCommand1Destination)};
  ValueButton sourceBrowse_{CaptionOf(kCommand1Source)};
  ValueButton extractButton_{CaptionOf(kCmdMake)};
  ValueCheckBox allIcons_;
  ValueLabel folderLabel_;
  ValueCounter counter_{CaptionOf(kLabel3)};
  ValueList list_;
  ValuePictures pictures_;
  Win32Services services_;
  MainWindow logic_{
      {destinationField_, sourceField_, destinationBrowse_, sourceBrowse_, extractButton_,
       allIcons_, folderLabel_, counter_, list_, pictures_, pictures_},
      services_.ForLogic()};
};

}  // namespace morvane::win32
