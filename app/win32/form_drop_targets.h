#pragma once
// The window's two drop targets, the list and the source field, registered while it is shown.
// The destination field takes no drop.
#include <windows.h>

#include <wrl/client.h>

#include "app/main_window.h"
#include "platform/win32/drop_target.h"

namespace morvane::win32 {

class FormDropTargets {
 public:
  FormDropTargets() = default;
  ~FormDropTargets() { Revoke(); }
  FormDropTargets(const FormDropTargets&) = delete;
  FormDropTargets& operator=(const FormDropTargets&) = delete;

  // Hands drags and drops over the two controls to the logic. Without OLE on this thread there
  // is no dragging; the window works all the same.
  void Register(HWND list, HWND sourceField, MainWindow& logic);
  void Revoke();

 private:
  HWND list_ = nullptr, sourceField_ = nullptr;
  Microsoft::WRL::ComPtr<DropTarget> listTarget_, sourceTarget_;
};

}  // namespace morvane::win32
