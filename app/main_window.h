#pragma once
// The main window's logic (app/): its handlers and procedures, and the one number it keeps. It
// reaches Windows only through the interfaces of platform/; app/win32/ wires it to the real ones.
#include <optional>
#include <string>
#include <vector>

#include "app/drag_and_drop.h"
#include "platform/form_controls.h"
#include "platform/platform.h"
#include "preview/icon_list.h"

namespace morvane {

class MainWindow {
 public:
  MainWindow(const FormControls& controls, Platform& platform)
      : controls_(controls), platform_(platform) {}

  // Runs once, before the window is shown: with a file on the command line, writes all its
  // icons into the program's folder and ends the program.
  void Form_Load();
  // Any request to close the window ends the program at once.
  void Form_QueryUnload();
  void cmdMake_Click();
  // The browse buttons: index 0 chooses the destination folder, any other the source file.
  void Command1_Click(int index);

  DropEffect ListView1_OLEDragOver(const DragState& drag);
  void ListView1_OLEDragDrop(const std::vector<std::wstring>& files);
  // Index 1 is the source field; index 0, the destination field, takes no drop and leaves
  // the effect as proposed (nothing).
  std::optional<DropEffect> Text1_OLEDragOver(int index, const DragState& drag);
  void Text1_OLEDragDrop(int index, const std::vector<std::wstring>& files);

  void LoadIconList(const std::wstring& path);
  void ListView1_Click();
  // The list's selection moved, by mouse or keyboard. Loads move it too, and are not clicks.
  void ListView1_SelectionChanged();

  int iconCount() const { return iconCount_; }

 private:
  FormControls controls_;
  Platform& platform_;
  int iconCount_ = 0;
  bool loading_ = false;
  std::wstring fileDialogName_;  // the open-file dialog's name, remembered between uses
};

}  // namespace morvane
