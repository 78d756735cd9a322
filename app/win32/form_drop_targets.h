#pragma once
// The window's two drop targets, the list and the source field, registered while it is shown.
// The destination field takes no drop.
#include <windows.h>

#include <wrl/client.h>

#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/win32/drop_target.h"

namespace morvane::win32 {

class FormDropTargets {
 public:
  // Posted to the window by a drop, whose load runs once the dragging program has its answer.
  static constexpr UINT kDropped = WM_APP + 1;

  FormDropTargets() = default;
  ~FormDropTargets() { Revoke(); }
  FormDropTargets(const FormDropTargets&) = delete;
  FormDropTargets& operator=(const FormDropTargets&) = delete;

  // Hands drags over the two controls to the logic, and their drops too, by way of a kDropped
  // posted to `window`. Without OLE on this thread there is no dragging; the window works all
  // the same.
  void Register(HWND window, HWND list, HWND sourceField, MainWindow& logic);
  void Revoke();
  // For kDropped: hands the last drop to the logic.
  void LoadDropped();

 private:
  struct Dropped {
    bool onSourceField = false;
    std::vector<std::wstring> files;
  };

  void Keep(Dropped dropped);

  HWND window_ = nullptr, list_ = nullptr, sourceField_ = nullptr;
  MainWindow* logic_ = nullptr;
  std::optional<Dropped> dropped_;
  Microsoft::WRL::ComPtr<DropTarget> listTarget_, sourceTarget_;
};

}  // namespace morvane::win32
