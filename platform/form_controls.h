#pragma once
// The controls of the main window that carry the program's state.
// Index 0 of a pair belongs to the destination folder, index 1 to the source file.
#include "platform/controls.h"
#include "platform/preview_controls.h"

namespace morvane {

// In this order, so that a form can list its controls in one initializer.
struct FormControls {
  TextBox* Text1[2]{};    // [0] destination field, [1] source field (bare file name)
  Button* Command1[2]{};  // browse buttons: [0] destination folder, [1] source file
  Button* cmdMake{};      // the Extract button
  CheckBox* Check1{};     // all icons
  Label* Label2{};  // the hidden folder label, index 1: the source file's folder, ending in "\"
  CounterLabel* Label3{};  // the icon counter
  IconListView* ListView1{};
  PreviewImageList* ImageList1{};
  PreviewCanvas* Picture1{};
};

// A form's controls in the order above. Every form names its controls alike, and has one
// preview that is the list, the image list and the canvas at once.
template <class Form>
FormControls ControlsOf(Form& form) {
  return {{&form.destinationField, &form.sourceField},
          {&form.destinationBrowse, &form.sourceBrowse},
          &form.extractButton,
          &form.allIcons,
          &form.folderLabel,
          &form.counterLabel,
          &form.preview,
          &form.preview,
          &form.preview};
}

}  // namespace morvane
