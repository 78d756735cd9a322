#include "app/win32/form_drop_targets.h"

#include "platform/win32/late_bound.h"

namespace morvane::win32 {

void FormDropTargets::Register(HWND window, HWND list, HWND sourceField, MainWindow& logic) {
  Revoke();
  window_ = window;
  list_ = list;
  sourceField_ = sourceField;
  logic_ = &logic;
  // Windows' guidance: no long work inside a drop, which holds the dragging program.
  const auto helper = DragPictureHelper();
  listTarget_.Attach(
      new DropTarget({[&logic](const DragState& drag) { return logic.ListView1_OLEDragOver(drag); },
                      [this](const std::vector<std::wstring>& files) {
                        Keep({false, files});
                      }},
                     list, helper));
  sourceTarget_.Attach(new DropTarget({[&logic](const DragState& drag) {
                                         return logic.Text1_OLEDragOver(1, drag).value_or(
                                             DropEffect::None);
                                       },
                                       [this](const std::vector<std::wstring>& files) {
                                         Keep({true, files});
                                       }},
                                      sourceField, helper));
  late::RegisterDragDrop(list_, listTarget_.Get());
  late::RegisterDragDrop(sourceField_, sourceTarget_.Get());
}

void FormDropTargets::Revoke() {
  if (list_) late::RevokeDragDrop(list_);
  if (sourceField_) late::RevokeDragDrop(sourceField_);
  list_ = sourceField_ = nullptr;
}

void FormDropTargets::Keep(Dropped dropped) {
  dropped_ = std::move(dropped);
  PostMessageW(window_, kDropped, 0, 0);
}

void FormDropTargets::LoadDropped() {
  if (!dropped_ || !logic_) return;
  const Dropped dropped = std::move(*dropped_);
  dropped_.reset();
  if (dropped.onSourceField) return logic_->Text1_OLEDragDrop(1, dropped.files);
  logic_->ListView1_OLEDragDrop(dropped.files);
}

}  // namespace morvane::win32
