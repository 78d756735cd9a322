#pragma once
// The composition root (app/win32/) puts the program together: wWinMain, this window, the form
// of one-shot runs and the Win32 services. The real main window creates the controls of the
// layout and hands their events to the window logic.
#include <windows.h>

#include <memory>
#include <optional>

#include "app/form_layout.h"
#include "app/main_window.h"
#include "app/win32/form_drop_targets.h"
#include "app/win32/control_tip.h"
#include "app/win32/win32_services.h"
#include "app/win32/ole_scope.h"
#include "platform/win32/gdi_owners.h"
#include "app/win32/win32_canvas.h"
#include "app/win32/win32_controls.h"
#include "app/win32/win32_counter_label.h"
#include "app/win32/win32_icon_list_view.h"
#include "platform/win32/win32_picture_list.h"

namespace morvane::win32 {

class FormWindow {
 public:
  // The window class, registered once per process, and the window's style.
  static constexpr wchar_t kClassName[] = L"MainForm";
  static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

  // Creates the window, not yet shown, with every control in its initial state.
  static std::unique_ptr<FormWindow> Create(HINSTANCE instance);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Shows the window with the focus in the destination field. OLE and the drop targets follow
  // in the first turn of the message loop: the window answers before they are ready.
  void Show(int showCommand);
  // Keyboard navigation between the controls; true when the message was handled.
  bool TranslateDialogKeys(MSG& message);

  HWND hwnd() const { return hwnd_; }
  HWND Control(ControlId id) const { return GetDlgItem(hwnd_, id); }
  MainWindow& logic() { return *logic_; }

 private:
  explicit FormWindow(HINSTANCE instance);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Creates the controls and the logic over them; false when that failed.
  bool OnCreate() noexcept;
  LRESULT OnNotify(NMHDR& header);
  // The menu on an icon, for a right click on the list or the canvas, or the keyboard's menu
  // key; false for a menu asked of anything else.
  bool OnContextMenu(HWND from, LPARAM at);
  void OnCommand(int id, int code);
  // Moved to a monitor of another scale: the window takes the place the system suggests and the
  // size of its layout at that scale, and its controls, fonts and pictures scale again from the
  // layout.
  void OnDpiChanged(int dpi, const RECT& suggested);
  // The controls, fonts, pictures and tip at dpi_, while nothing is drawn.
  void ScaleContents();
  int Scale(int pixels) const { return Scaled(pixels, dpi_); }
  // The window's size around its client area at `dpi`, in the frame the system tells for it.
  SIZE FrameAt(int dpi) const;
  // Sizes the window so that its client area is the layout's at its scale, whatever frame the
  // system draws: the size always comes from the layout, so that nothing drifts.
  void FitClientArea();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  int dpi_ = 96;       // of the window's monitor
  unique_hfont font_;  // the controls' font, fitted to them; the counter has one of its own

  static constexpr UINT kAcceptDrops = WM_APP;

  Win32Services services_;
  std::optional<OleScope> ole_;  // outlives the drop targets, which are revoked before it ends
  FormDropTargets dropTargets_;

  // The controls over their handles, made once they exist.
  struct Controls {
    explicit Controls(const FormWindow& window);
    Form ForLogic();
    Win32TextBox destinationField, sourceField;
    Win32Button destinationBrowse, sourceBrowse, extractButton;
    Win32CheckBox allIcons;
    Win32Label folderLabel;
    Win32CounterLabel counter;
    Win32PictureList pictures;
    Win32IconListView list;
    Win32Canvas canvas;
  };
  std::optional<Controls> controls_;
  std::optional<MainWindow> logic_;
  std::optional<ControlTip> listTip_;    // over the list's items
  std::optional<ControlTip> sourceTip_;  // over the source field: the whole path
};

}  // namespace morvane::win32
