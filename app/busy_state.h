#pragma once
// The busy state of the window: the three command buttons, and the Extract button's caption.
#include "app/main_window.h"
#include "platform/program_texts.h"

namespace morvane {

// Switches the three command buttons together, then tries to focus the destination field.
void SetControlsEnabled(const Form& form, bool enabled);

// The busy state for one scope: the buttons are disabled and `busy` is raised at its start,
// and both are undone at its end, however it ends.
class BusyScope {
 public:
  BusyScope(const Form& form, bool& busy) : form_(form), busy_(busy) {
    busy_ = true;
    SetControlsEnabled(form_, false);
  }
  ~BusyScope() {
    SetControlsEnabled(form_, true);
    busy_ = false;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const Form& form_;
  bool& busy_;
};

// The Extract button reads "抽出中" for one scope, and "抽出" again at its end.
class ExtractingCaption {
 public:
  explicit ExtractingCaption(Button& button) : button_(button) {
    button_.SetCaption(texts::kExtracting);
  }
  ~ExtractingCaption() { button_.SetCaption(texts::kExtract); }
  ExtractingCaption(const ExtractingCaption&) = delete;
  ExtractingCaption& operator=(const ExtractingCaption&) = delete;

 private:
  Button& button_;
};

}  // namespace morvane
