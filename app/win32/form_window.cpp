#include "app/win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/win32/build_controls.h"
#include "app/win32/quick_selection.h"
#include "preview/counter_font.h"
#include "app/win32/icon_menu.h"
#include "platform/program_texts.h"
#include "platform/win32/fatal_failure.h"
#include "platform/win32/window_dpi.h"
#include "res/resource_ids.h"
#include "res/version_info.h"

namespace morvane::win32 {

namespace {

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, FormWindow::kClassName, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MORVANE),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MORVANE),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = FormWindow::kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance) : instance_(instance), dpi_(ScreenDpi()) {}

FormWindow::~FormWindow() {
  if (hwnd_) {
    dropTargets_.Revoke();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

std::unique_ptr<FormWindow> FormWindow::Create(HINSTANCE instance) {
  std::unique_ptr<FormWindow> window(new FormWindow(instance));
  RegisterFormClass(instance, WindowProc);
  const SIZE frame = window->FrameAt(window->dpi_);
  const HWND created =
      CreateWindowExW(0, kClassName, MORVANE_TITLE_W, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      frame.cx, frame.cy, nullptr, nullptr, instance, window.get());
  if (!created || !window->hwnd_) return nullptr;
  window->FitClientArea();  // made on its monitor, whose scale may not be the screen's
  return window;
}

void FormWindow::Show(int showCommand) {
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  SetFocus(Control(kText1Destination));
  // Drops are taken from the first turn of the message loop on, once the window answers.
  PostMessageW(hwnd_, kAcceptDrops, 0, 0);
}

bool FormWindow::TranslateDialogKeys(MSG& message) {
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* window =
        static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    ScaleFrameWithMonitor(hwnd);
  }
  auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  // No exception may cross into the system; one that reaches here has left the window's
  // state unknown.
  try {
    return window->OnMessage(message, wParam, lParam);
  } catch (...) {
    EndAfterFailure(texts::kWindowWork);
  }
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;  // -1 makes CreateWindowExW fail
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SETCURSOR:
      if (services_.cursor.ShowIfWaiting()) return TRUE;
      break;
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
      if (!logic_) break;
      // The logic ends the program: at once, or after the file that is being written.
      logic_->Form_QueryUnload();
      return message == WM_QUERYENDSESSION ? TRUE : 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != kPicture1 || !controls_) break;
      controls_->canvas.Paint(item.hDC);
      return TRUE;
    }
    case kGetDpiScaledSize:
      // The size for a monitor of another scale: the layout's, in the frame at that scale.
      *reinterpret_cast<SIZE*>(lParam) = FrameAt(static_cast<int>(wParam));
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CONTEXTMENU:
      if (OnContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
      break;
    case kAcceptDrops:
      ole_.emplace();
      dropTargets_.Register(hwnd_, Control(kListView1), Control(kText1Source), *logic_);
      return 0;
    case FormDropTargets::kDropped:
      dropTargets_.LoadDropped();
      return 0;
    case WM_DESTROY:
      dropTargets_.Revoke();
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

FormWindow::Controls::Controls(const FormWindow& window)
    : destinationField(window.Control(kText1Destination)),
      sourceField(window.Control(kText1Source)),
      destinationBrowse(window.Control(kCommand1Destination)),
      sourceBrowse(window.Control(kCommand1Source)),
      extractButton(window.Control(kCmdMake)),
      allIcons(window.Control(kCheck1)),
      folderLabel(window.Control(kLabel2Folder)),
      counter(window.Control(kLabel3), window.dpi_),
      pictures(window.Scale(kCanvasSize), PictureCache::kPlaces),
      list(window.Control(kListView1), pictures.images()),
      canvas(window.Control(kPicture1), window.Scale(kCanvasSize), pictures.images()) {}

Form FormWindow::Controls::ForLogic() {
  return {destinationField, sourceField,   destinationBrowse,
          sourceBrowse,     extractButton, allIcons,
          folderLabel,      counter,       list,
          pictures,         canvas};
}

bool FormWindow::OnCreate() noexcept {
  try {
    dpi_ = WindowDpi(hwnd_);
    font_ = FittedUiFont(dpi_);
    BuildControls(hwnd_, instance_, dpi_, font_.get());
    services_.SetOwner(hwnd_);
    controls_.emplace(*this);
    FitCounterFont(controls_->counter, CaptionOf(kLabel3));
    KeepSelectionQuick(Control(kListView1));
    logic_.emplace(controls_->ForLogic(), services_.ForLogic());
    listTip_.emplace(Control(kListView1), ControlTip::ItemOfList,
                     [this](int number) { return logic_->ListView1_TipText(number); });
    sourceTip_.emplace(Control(kText1Source), ControlTip::WholeControl,
                       [this](int) { return logic_->Text1_TipText(1); });
    for (auto* tip : {&*listTip_, &*sourceTip_}) tip->SetScale(dpi_, font_.get());
    return true;
  } catch (...) {
    logic_.reset();
    return false;
  }
}

}  // namespace morvane::win32
