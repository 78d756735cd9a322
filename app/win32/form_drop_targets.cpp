#include "app/win32/form_drop_targets.h"

#include "platform/win32/late_bound.h"

namespace morvane::win32 {

void FormDropTargets::Register(HWND list, HWND sourceField, MainWindow& logic) {
  Revoke();
  list_ = list;
  sourceField_ = sourceField;
  listTarget_.Attach(new DropTarget(
      {[&logic](const DragState& drag) { return logic.ListView1_OLEDragOver(drag); },
       [&logic](const std::vector<std::wstring>& files) { logic.ListView1_OLEDragDrop(files); }}));
  sourceTarget_.Attach(new DropTarget(
      {[&logic](const DragState& drag) {
         return logic.Text1_OLEDragOver(1, drag).value_or(DropEffect::None);
       },
       [&logic](const std::vector<std::wstring>& files) { logic.Text1_OLEDragDrop(1, files); }}));
  late::RegisterDragDrop(list_, listTarget_.Get());
  late::RegisterDragDrop(sourceField_, sourceTarget_.Get());
}

void FormDropTargets::Revoke() {
  if (list_) late::RevokeDragDrop(list_);
  if (sourceField_) late::RevokeDragDrop(sourceField_);
  list_ = sourceField_ = nullptr;
}

}  // namespace morvane::win32
