#include "app/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "res/resource_ids.h"
#include "res/version_info.h"
#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::PictureBox:
      return {WC_STATICW, SS_OWNERDRAW, 0};
    case ControlKind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::TextBox:
      return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::ListView:
      return {WC_LISTVIEWW,
              LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE |
                  LVS_OWNERDATA | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
  }
  return {WC_STATICW, 0, 0};
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

HFONT MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

// How many rows from the top the counter's text inks, drawn as the label draws it.
int InkedRows(HFONT font, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const unique_hbitmap canvas{CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  const unique_hdc dc{CreateCompatibleDC(nullptr)};
  if (!canvas || !dc) return 0;
  const HGDIOBJ previousBitmap = SelectObject(dc.get(), canvas.get());
  const HGDIOBJ previousFont = SelectObject(dc.get(), font);
  RECT area{0, 0, width, height};
  FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawTextW(dc.get(), L"Icon No．： 0123456789/", -1, &area, DT_LEFT | DT_NOPREFIX);
  GdiFlush();
  SelectObject(dc.get(), previousFont);
  SelectObject(dc.get(), previousBitmap);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int row = height; row > 0; --row) {
    for (int x = 0; x < width; ++x) {
      if ((pixels[(row - 1) * width + x] & 0xFFFFFF) != 0xFFFFFF) return row;
    }
  }
  return 0;
}

// The counter's own font: a Japanese proportional gothic at 9.75 points, in the whole pixels
// not above that whose ink stays inside the label. Rounded up, its glyphs reach one row below
// the label at 144 DPI; at 192 DPI they do even in whole pixels, and it is a pixel smaller.
HFONT CounterFont(int dpi, SIZE label) {
  LOGFONTW font{};
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(font.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
  for (font.lfHeight = -(975 * dpi / 7200); font.lfHeight < -1; ++font.lfHeight) {
    unique_hfont made{CreateFontIndirectW(&font)};
    if (made && InkedRows(made.get(), 2 * label.cx, 2 * label.cy) <= label.cy)
      return made.release();
  }
  return CreateFontIndirectW(&font);
}

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
    RevokeDropTargets();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

std::unique_ptr<FormWindow> FormWindow::Create(HINSTANCE instance) {
  std::unique_ptr<FormWindow> window(new FormWindow(instance));
  RegisterFormClass(instance, WindowProc);
  RECT frame{0, 0, window->Scale(kClientWidth), window->Scale(kClientHeight)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  const HWND created = CreateWindowExW(
      0, kClassName, MORVANE_TITLE_W, kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, window.get());
  if (!created || !window->hwnd_) return nullptr;
  return window;
}

void FormWindow::Show(int showCommand) {
  RegisterDropTargets();
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
  SetFocus(Control(kText1Destination));
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
  }
  auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return window->OnMessage(message, wParam, lParam);
  } catch (...) {
    return 0;  // no exception may cross into the system
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
      if (logic_) logic_->Form_QueryUnload();
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != kPicture1 || !controls_) break;
      controls_->preview.Paint(item.hDC);
      return TRUE;
    }
    case WM_DESTROY:
      RevokeDropTargets();
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

FormWindow::Controls::Controls(const FormWindow& window, int canvasSize)
    : destinationField(window.Control(kText1Destination)),
      sourceField(window.Control(kText1Source)),
      destinationBrowse(window.Control(kCommand1Destination)),
      sourceBrowse(window.Control(kCommand1Source)),
      extractButton(window.Control(kCmdMake)),
      allIcons(window.Control(kCheck1)),
      folderLabel(window.Control(kLabel2Folder)),
      counterLabel(window.Control(kLabel3)),
      preview(window.Control(kListView1), window.Control(kPicture1), canvasSize) {}

bool FormWindow::OnCreate() noexcept {
  try {
    uiFont_.reset(MessageFont());
    const ControlLayout& counter = LayoutOf(kLabel3);
    counterFont_.reset(CounterFont(dpi_, {Scale(counter.width), Scale(counter.height)}));
    CreateControls();
    ArrangeStacking();
    services_.SetOwner(hwnd_);
    controls_.emplace(*this, Scale(kCanvasSize));
    logic_.emplace(ControlsOf(*controls_), services_.platform);
    return true;
  } catch (...) {
    logic_.reset();
    return false;
  }
}

void FormWindow::RegisterDropTargets() {
  listDropTarget_.Attach(new DropTarget(
      {[this](const DragState& drag) { return logic_->ListView1_OLEDragOver(drag); },
       [this](const std::vector<std::wstring>& files) { logic_->ListView1_OLEDragDrop(files); }}));
  sourceDropTarget_.Attach(new DropTarget(
      {[this](const DragState& drag) {
         return logic_->Text1_OLEDragOver(1, drag).value_or(DropEffect::None);
       },
       [this](const std::vector<std::wstring>& files) { logic_->Text1_OLEDragDrop(1, files); }}));
  // Without OLE on this thread there is no dragging; the window works all the same.
  late::RegisterDragDrop(Control(kListView1), listDropTarget_.Get());
  late::RegisterDragDrop(Control(kText1Source), sourceDropTarget_.Get());
}

void FormWindow::RevokeDropTargets() {
  late::RevokeDragDrop(Control(kListView1));
  late::RevokeDragDrop(Control(kText1Source));
}

void FormWindow::CreateControls() {
  for (const ControlLayout& control : kFormLayout) {
    const ControlClass kind = ClassOf(control.kind);
    const DWORD style =
        kind.style | WS_CHILD | WS_CLIPSIBLINGS | (control.visible ? WS_VISIBLE : 0);
    HWND child = CreateWindowExW(
        kind.exStyle, kind.className, control.caption, style, Scale(control.x), Scale(control.y),
        Scale(control.width), Scale(control.height), hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance_, nullptr);
    HFONT font = control.id == kLabel3 ? counterFont_.get() : uiFont_.get();
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

// Keyboard focus follows the stacking order of the children, so stack them by tab index.
// The frame goes to the back, behind the controls it holds, and the canvas to the front.
void FormWindow::ArrangeStacking() {
  std::vector<ControlLayout> byTabIndex(kFormLayout.begin(), kFormLayout.end());
  std::sort(byTabIndex.begin(), byTabIndex.end(),
            [](const ControlLayout& a, const ControlLayout& b) { return a.tabIndex < b.tabIndex; });
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  HWND previous = HWND_TOP;
  for (const ControlLayout& control : byTabIndex) {
    SetWindowPos(Control(control.id), previous, 0, 0, 0, 0, keep);
    previous = Control(control.id);
  }
  SetWindowPos(Control(kFrame1), HWND_BOTTOM, 0, 0, 0, 0, keep);
  SetWindowPos(Control(kPicture1), HWND_TOP, 0, 0, 0, 0, keep);
}

void FormWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED || !logic_) return;
  if (id == kCmdMake) logic_->cmdMake_Click();
  if (id == kCommand1Destination) logic_->Command1_Click(0);
  if (id == kCommand1Source) logic_->Command1_Click(1);
}

LRESULT FormWindow::OnNotify(NMHDR& header) {
  if (header.idFrom != kListView1 || !logic_) return 0;
  if (header.code == LVN_GETDISPINFOW) {
    controls_->preview.Describe(reinterpret_cast<NMLVDISPINFOW&>(header));
  } else if (header.code == NM_CLICK) {
    logic_->ListView1_Click();
  } else if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if ((change.uChanged & LVIF_STATE) && selected) logic_->ListView1_SelectionChanged();
  }
  return 0;
}

}  // namespace morvane::win32
