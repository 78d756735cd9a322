// The real main window under Wine: its controls, and the preview driven through it.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <thread>
#include <utility>

#include "app/win32/win32_controls.h"
#include "app/win32/win32_counter_label.h"
#include "platform/win32/window_dpi.h"
#include "preview/counter_font.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/message_box_catcher.h"
#include "tests/win/shown_window.h"
#include "tests/win/test_files.h"

namespace morvane::testing {
namespace {

using win32::FormWindow;
using win32::WindowText;

std::wstring ClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return name;
}

// The system's large icon size, which the canvas and the list's pictures have.
int LargeIcon() { return GetSystemMetrics(SM_CXICON); }

RECT ClientRectOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

void SaveShot(HWND window, const std::wstring& name) {
  const fs::path shots = fs::path(WinePath(MORVANE_SCREENSHOT_DIR));
  fs::create_directories(shots);
  EXPECT_TRUE(SaveScreenshot(window, (shots / (name + L".png")).wstring()));
}

class MainWindowTest : public ShownWindow {
 protected:
  HWND List() const { return Control(kListView1); }
  std::wstring Counter() const { return WindowText(Control(kLabel3)); }

  std::vector<std::wstring> ItemTexts() const {
    std::vector<std::wstring> texts;
    const int count = ListView_GetItemCount(List());
    for (int i = 0; i < count; ++i) {
      wchar_t text[16]{};
      ListView_GetItemText(List(), i, 0, text, 16);
      texts.push_back(text);
    }
    return texts;
  }

  // The picture the list shows for item `number`, which it asks the window for.
  Pixels ImagePixels(int number, int size = LargeIcon()) const {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = number - 1;
    ListView_GetItem(List(), &item);
    HIMAGELIST images = ListView_GetImageList(List(), LVSIL_NORMAL);
    return DrawnPixels(size,
                       [&](HDC dc) { ImageList_Draw(images, item.iImage, dc, 0, 0, ILD_NORMAL); });
  }

  // Icon `number` of a file as the shell draws it on the cleared canvas, at the system's large
  // icon size or another.
  static Pixels IconPixels(const fs::path& file, int number, int size = LargeIcon()) {
    return DrawnPixels(size, [&](HDC dc) {
      HICON icon = nullptr;
      if (size == LargeIcon()) {
        icon = ExtractIconW(GetModuleHandleW(nullptr), file.c_str(), number - 1);
      } else {
        UINT id = 0;
        PrivateExtractIconsW(file.c_str(), number - 1, size, size, &icon, &id, 1, 0);
      }
      DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
      DestroyIcon(icon);
    });
  }

  // A click on item `number`, as the mouse gives it.
  void ClickItem(int number) {
    RECT item{};
    item.left = LVIR_ICON;
    SendMessageW(List(), LVM_GETITEMRECT, number - 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(List(), WM_LBUTTONUP, 0, at);  // the list tracks the button until it comes up
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PumpMessages();
  }
};

TEST_F(MainWindowTest, TheWindowHasItsCaptionSizeAndFixedFrame) {
  EXPECT_EQ(WindowText(window->hwnd()), L"Morvane");
  RECT client;
  GetClientRect(window->hwnd(), &client);
  EXPECT_EQ(client.right, 329);
  EXPECT_EQ(client.bottom, 317);
  const LONG style = GetWindowLongW(window->hwnd(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(SendMessageW(window->hwnd(), WM_GETICON, ICON_BIG, 0) ||
              GetClassLongPtrW(window->hwnd(), GCLP_HICON));
  EXPECT_TRUE(GetClassLongPtrW(window->hwnd(), GCLP_HICONSM));
}

TEST_F(MainWindowTest, EveryControlHasItsKindCaptionPlaceAndSize) {
  struct Expected {
    ControlId id;
    const wchar_t* className;
    LONG typeStyle;  // BS_/SS_ type bits, where the class has several kinds
    const wchar_t* caption;
    RECT place;
    bool visible;
  };
  const Expected controls[] = {
      {kPicture1, L"Static", SS_OWNERDRAW, L"", {284, 40, 316, 72}, true},
      {kFrame1, L"Button", BS_GROUPBOX, L"", {4, 0, 325, 93}, true},
      {kCheck1, L"Button", BS_AUTOCHECKBOX, L"全アイコン", {244, 12, 317, 28}, true},
      {kCmdMake, L"Button", BS_PUSHBUTTON, L"抽出", {116, 12, 209, 29}, true},
      {kText1Source, L"Edit", -1, L"", {12, 68, 233, 86}, true},
      {kText1Destination, L"Edit", -1, L"", {12, 32, 233, 50}, true},
      {kCommand1Source, L"Button", BS_PUSHBUTTON, L"参照", {240, 68, 277, 85}, true},
      {kCommand1Destination, L"Button", BS_PUSHBUTTON, L"参照", {240, 32, 277, 49}, true},
      {kLabel3, L"Static", SS_LEFTNOWORDWRAP, L"Icon No．： 000/000", {104, 52, 230, 65}, true},
      {kLabel1Source, L"Static", SS_LEFT, L"抽出ファイル", {16, 52, 81, 64}, true},
      {kLabel1Destination, L"Static", SS_LEFT, L"保存先フォルダ", {16, 16, 95, 28}, true},
      {kLabel2Folder, L"Static", SS_LEFT, L"", {240, 52, 276, 64}, false},
      {kListView1, L"SysListView32", -1, L"", {3, 96, 326, 313}, true},
  };
  for (const Expected& c : controls) {
    HWND control = Control(c.id);
    ASSERT_TRUE(control) << c.id;
    SCOPED_TRACE(c.id);
    EXPECT_EQ(ClassOf(control), c.className);
    if (c.typeStyle >= 0) {
      EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & 0x1F, c.typeStyle);
    }
    EXPECT_EQ(WindowText(control), c.caption);
    const RECT place = ClientRectOf(control);
    EXPECT_EQ(place.left, c.place.left);
    EXPECT_EQ(place.top, c.place.top);
    EXPECT_EQ(place.right, c.place.right);
    EXPECT_EQ(place.bottom, c.place.bottom);
    EXPECT_EQ(IsWindowVisible(control) != FALSE, c.visible);
  }
  EXPECT_EQ(SendMessageW(Control(kCheck1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(ListView_GetItemCount(List()), 0);
  EXPECT_EQ(GetWindowLongW(List(), GWL_STYLE) & LVS_TYPEMASK, LVS_ICON);
}

TEST_F(MainWindowTest, FocusStartsInTheDestinationFieldAndTabsInOrder) {
  EXPECT_EQ(GetFocus(), Control(kText1Destination));
  const ControlId order[] = {kText1Destination, kText1Source,     kCommand1Destination,
                             kCommand1Source,   kCmdMake,         kCheck1,
                             kListView1,        kText1Destination};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GetNextDlgTabItem(window->hwnd(), Control(order[i]), FALSE), Control(order[i + 1]));
  }
}

TEST_F(MainWindowTest, TheCanvasIsStackedInFrontOfTheFrame) {
  int canvasAt = -1, frameAt = -1, position = 0;
  for (HWND child = GetWindow(window->hwnd(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT), ++position) {
    if (child == Control(kPicture1)) canvasAt = position;
    if (child == Control(kFrame1)) frameAt = position;
  }
  EXPECT_GE(canvasAt, 0);
  EXPECT_LT(canvasAt, frameAt);
}

TEST_F(MainWindowTest, TheCounterHasItsJapaneseFontAndTheRestOneFittedUiFont) {
  LOGFONTW counter{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(kLabel3), WM_GETFONT, 0, 0)),
             sizeof counter, &counter);
  EXPECT_STREQ(counter.lfFaceName, L"ＭＳ Ｐゴシック");
  EXPECT_EQ(counter.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_EQ(counter.lfHeight, -13);  // 9.75 points at 96 DPI
  EXPECT_EQ(counter.lfWeight, FW_NORMAL);

  // The message font, or the compact Japanese face where the message font cannot fit.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const auto ui = reinterpret_cast<HFONT>(SendMessageW(Control(kLabel1Source), WM_GETFONT, 0, 0));
  LOGFONTW font{};
  GetObjectW(ui, sizeof font, &font);
  EXPECT_TRUE(std::wstring(font.lfFaceName) == metrics.lfMessageFont.lfFaceName ||
              std::wstring(font.lfFaceName) == L"MS UI Gothic");
  for (ControlId id : {kCmdMake, kText1Destination, kCheck1, kListView1}) {
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Control(id), WM_GETFONT, 0, 0)), ui) << id;
  }
}

TEST_F(MainWindowTest, LoadingAModuleFillsListCanvasAndCounter) {
  const fs::path module = FixtureModule("names");
  window->logic().LoadSource(module.wstring());
  PumpMessages();

  EXPECT_EQ(window->logic().iconCount(), 5);
  EXPECT_EQ(ItemTexts(), (std::vector<std::wstring>{L"1", L"2", L"3", L"4", L"5"}));
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 0);
  EXPECT_EQ(WindowText(Control(kText1Source)), L"names.dll");
  EXPECT_EQ(WindowText(Control(kLabel2Folder)), module.parent_path().wstring() + L"\\");
  EXPECT_EQ(Counter(), L"Icon No．： 1/5");
  for (int number = 1; number <= 5; ++number) {
    SCOPED_TRACE(number);
    EXPECT_EQ(ImagePixels(number), IconPixels(module, number));
  }
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(module, 1));
  EXPECT_NE(IconPixels(module, 1), IconPixels(module, 5));  // the check can tell icons apart

  SaveShot(window->hwnd(), L"main_window_loaded");
}

TEST_F(MainWindowTest, ASystemFileShowsTheIconsOfItsMunFile) {
  const SystemFileWithMun system("morvane_preview");
  window->logic().LoadSource(system.path().wstring());
  PumpMessages();

  EXPECT_EQ(window->logic().iconCount(), 5);
  EXPECT_EQ(WindowText(Control(kText1Source)), L"morvane_preview.dll");
  EXPECT_EQ(WindowText(Control(kLabel2Folder)), system.path().parent_path().wstring() + L"\\");
  for (int number = 1; number <= 5; ++number) {
    SCOPED_TRACE(number);
    EXPECT_EQ(ImagePixels(number), IconPixels(FixtureModule("names"), number));
  }
}

TEST_F(MainWindowTest, ARealModuleLoadsEveryIcon) {
  const fs::path shell32 = WineModule("shell32.dll");
  window->logic().LoadSource(shell32.wstring());
  PumpMessages();

  const int count = static_cast<int>(reinterpret_cast<UINT_PTR>(
      ExtractIconW(GetModuleHandleW(nullptr), shell32.c_str(), static_cast<UINT>(-1))));
  EXPECT_GT(count, 100);
  EXPECT_EQ(window->logic().iconCount(), count);
  const auto texts = ItemTexts();
  ASSERT_EQ(static_cast<int>(texts.size()), count);
  EXPECT_EQ(texts.back(), std::to_wstring(count));
  // Read a batch at a time, each picture is still the icon the shell gives for its index.
  int differing = 0;
  for (int number = 1; number <= count; ++number) {
    differing += ImagePixels(number) != IconPixels(shell32, number);
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(Counter(), L"Icon No．： 1/" + std::to_wstring(count));
}

// The shell numbers the icons of a 16-bit module in its table's order; each picture is the
// icon of the file that extracting it writes.
TEST_F(MainWindowTest, SixteenBitModulesShowTheIconsTheyWrite) {
  for (const auto& [name, count] : {std::pair{"library.icl", 5}, std::pair{"app16.exe", 1}}) {
    SCOPED_TRACE(name);
    const fs::path module = FixtureDir() / "modules" / name;
    window->logic().LoadSource(module.wstring());
    PumpMessages();
    ASSERT_EQ(window->logic().iconCount(), count);

    TempFolder out;
    SetWindowTextW(Control(kText1Destination), out.WithBackslash().c_str());
    SendMessageW(Control(kCheck1), BM_SETCHECK, BST_CHECKED, 0);
    window->logic().cmdMake_Click();
    const auto written = FilesIn(out.path());
    ASSERT_EQ(static_cast<int>(written.size()), count);
    for (int number = 1; number <= count; ++number) {
      wchar_t file[16];
      swprintf(file, 16, L"%03d.ico", number);
      const fs::path ico = out.path() / (module.stem().wstring() + file);
      EXPECT_EQ(ImagePixels(number), IconPixels(ico, 1)) << number;
    }
    if (count > 1) {
      EXPECT_NE(ImagePixels(1), ImagePixels(2));  // the check tells icons apart
    }
  }
}

TEST_F(MainWindowTest, ClicksAndArrowKeysMoveCanvasAndCounter) {
  const fs::path shell32 = WineModule("shell32.dll");
  window->logic().LoadSource(shell32.wstring());
  PumpMessages();
  const std::wstring total = std::to_wstring(window->logic().iconCount());

  ClickItem(5);
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 4);
  EXPECT_EQ(Counter(), L"Icon No．： 5/" + total);
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(shell32, 5));

  SetFocus(List());
  SendMessageW(List(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(List(), WM_KEYUP, VK_RIGHT, 0);
  PumpMessages();
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 5);
  EXPECT_EQ(Counter(), L"Icon No．： 6/" + total);
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(shell32, 6));
}

int changedItems = 0;
LRESULT CALLBACK CountChangedItems(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR) {
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_ITEMCHANGED) {
    ++changedItems;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// A number typed in the list selects the first item from the current one whose number begins
// with it, and after the list's pause a new search begins.
TEST_F(MainWindowTest, ANumberTypedInTheListSelectsThatIcon) {
  const fs::path many = FixtureModule("many");
  window->logic().LoadSource(many.wstring());
  PumpMessages();
  SetFocus(List());
  for (const wchar_t digit : {L'1', L'2', L'3'}) SendMessageW(List(), WM_CHAR, digit, 1);
  PumpMessages();
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 122);
  EXPECT_EQ(ListView_GetSelectedCount(List()), 1u);
  EXPECT_EQ(Counter(), L"Icon No．： 123/1005");
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(many, 123));

  Sleep(1500);  // longer than the list waits for the next key of a number
  SendMessageW(List(), WM_CHAR, L'7', 1);
  PumpMessages();
  EXPECT_EQ(Counter(), L"Icon No．： 700/1005");  // "7" from 124 on, not "1237"

  // The Japanese IME types full-width digits.
  Sleep(1500);
  for (const wchar_t digit : {L'１', L'２', L'３'}) SendMessageW(List(), WM_CHAR, digit, 1);
  PumpMessages();
  EXPECT_EQ(Counter(), L"Icon No．： 123/1005");
  // Any other character, a letter, Ctrl+C's or Enter's, changes no item of the list.
  changedItems = 0;
  SetWindowSubclass(window->hwnd(), CountChangedItems, 1, 0);
  for (const wchar_t c : {L'x', L'\x03', L'\r'}) SendMessageW(List(), WM_CHAR, c, 1);
  PumpMessages();
  RemoveWindowSubclass(window->hwnd(), CountChangedItems, 1);
  EXPECT_EQ(changedItems, 0);
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 122);
}

TEST_F(MainWindowTest, ASecondFileReplacesEverything) {
  const fs::path shell32 = WineModule("shell32.dll");
  window->logic().LoadSource(shell32.wstring());
  ClickItem(9);
  const fs::path module = FixtureModule("names");
  window->logic().LoadSource(module.wstring());
  PumpMessages();

  EXPECT_EQ(ItemTexts(), (std::vector<std::wstring>{L"1", L"2", L"3", L"4", L"5"}));
  for (int number = 1; number <= 5; ++number) {
    EXPECT_EQ(ImagePixels(number), IconPixels(module, number)) << number;
  }
  EXPECT_EQ(Counter(), L"Icon No．： 1/5");
  EXPECT_EQ(WindowText(Control(kText1Source)), L"names.dll");
}

TEST_F(MainWindowTest, RefusalsAndEmptyFilesSpeakThroughMessageBoxes) {
  MessageBoxCatcher boxes;
  const fs::path module = FixtureModule("names");
  window->logic().LoadSource(module.wstring());
  window->logic().LoadSource(L"C:\\somewhere\\picture.ICO");
  EXPECT_EQ(ListView_GetItemCount(List()), 5);  // the refused file changed nothing

  HCURSOR pointerBehindBox = nullptr;
  boxes.OnShow([&] { pointerBehindBox = GetCursor(); });
  window->logic().LoadSource(FixtureModule("noicons").wstring());
  EXPECT_EQ(pointerBehindBox, LoadCursorW(nullptr, IDC_WAIT));  // the load waits
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));      // and is done
  EXPECT_EQ(ListView_GetItemCount(List()), 0);
  EXPECT_EQ(WindowText(Control(kText1Source)), L"");
  EXPECT_EQ(Counter(), L"Icon No．： 1/5");

  ASSERT_EQ(boxes.caught().size(), 2u);
  EXPECT_EQ(boxes.caught()[0].text, L"アイコンファイルは指定できません。");
  EXPECT_EQ(boxes.caught()[1].text,
            L"アイコンがありません。\n" + FixtureModule("noicons").wstring() +
                L"\nシェルが表示できるアイコンがこのファイルにはありません。");
  for (const CaughtMessage& box : boxes.caught()) {
    EXPECT_EQ(box.caption, L"  バカ ？！・・・");
    EXPECT_TRUE(box.questionIcon);
  }
}

TEST(ShortPaths, AreLoadedUnderTheirLongForm) {
  TempFolder folder;
  const fs::path longName = folder.path() / L"a rather long file name.dll";
  fs::copy_file(FixtureModule("names"), longName);
  wchar_t shortName[MAX_PATH]{};
  ASSERT_GT(GetShortPathNameW(longName.c_str(), shortName, MAX_PATH), 0u);
  ASSERT_NE(std::wstring(shortName).find(L'~'), std::wstring::npos);

  auto window = FormWindow::Create(GetModuleHandleW(nullptr));
  window->logic().LoadSource(shortName);
  EXPECT_EQ(WindowText(window->Control(kText1Source)), L"a rather long file name.dll");
  EXPECT_EQ(window->logic().iconCount(), 5);
}

// The window at the screen's DPI: 96 with the other window tests, and 144 in a ctest of its
// own, which sets the prefix to that and names it in MORVANE_DPI.
class ScaledWindow : public MainWindowTest {};

// Whether a control's caption fits into it, in the control's own font. A label's text is
// drawn as the label draws it, wrapped at its width, the counter's on one line, and every
// inked pixel must lie inside; buttons and the check box centre one line, which must fit
// beside their frame or box.
// Whether a text stands whole where the control draws it, in the control's own font: drawn as
// the control draws it into a canvas with a margin all round, its ink must stay in the room the
// control gives it. A text box's whole line must fit, whatever is typed.
bool CaptionFits(HWND control, ControlKind kind, int dpi, std::wstring text = {}) {
  if (text.empty()) text = WindowText(control);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  RECT room;
  GetClientRect(control, &room);
  UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP;
  if (kind == ControlKind::kLabel) format = DT_NOPREFIX | DT_WORDBREAK | DT_NOCLIP;
  if (kind == ControlKind::kButton) {
    InflateRect(&room, -MulDiv(2, dpi, 96), -MulDiv(2, dpi, 96));
    format |= DT_CENTER | DT_VCENTER;
  }
  if (kind == ControlKind::kCheckBox) {
    room.left += MulDiv(GetSystemMetrics(SM_CXMENUCHECK), dpi, ScreenDpi()) + MulDiv(3, dpi, 96);
    format |= DT_VCENTER;
  }
  if (kind == ControlKind::kTextBox) {
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    if (metrics.tmHeight > room.bottom) return false;
    text = L"C:\\Ágjy\\保存先フォルダ";
  }
  const int margin = std::max<int>(room.bottom, 8);
  const int width = room.right + 2 * margin, height = room.bottom + 2 * margin;
  const Pixels ink = DrawnPixels(width, height, [&](HDC dc) {
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT area = room;
    OffsetRect(&area, margin, margin);
    DrawTextW(dc, text.c_str(), -1, &area, format);
  });
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (ink[y * width + x] == ink.front()) continue;
      if (x < margin + room.left || x >= margin + room.right || y < margin + room.top ||
          y >= margin + room.bottom) {
        return false;
      }
    }
  }
  return true;
}

// Every caption and field, with the Extract button's longest progress too.
void ExpectEveryCaptionWhole(const win32::FormWindow& window, int dpi) {
  for (const ControlLayout& c : kFormLayout) {
    if (!c.visible || c.kind == ControlKind::kListView || c.kind == ControlKind::kPictureBox ||
        c.kind == ControlKind::kFrame) {
      continue;
    }
    const HWND control = window.Control(c.id);
    EXPECT_TRUE(CaptionFits(control, c.kind, dpi)) << c.id << " " << WindowText(control).size();
  }
  EXPECT_TRUE(CaptionFits(window.Control(kCmdMake), ControlKind::kButton, dpi, L"抽出中 100%"));
}

TEST_F(ScaledWindow, EverythingGrowsWithTheScreenAndNoTextIsClipped) {
  const int dpi = ScreenDpi();
  if (const char* asked = std::getenv("MORVANE_DPI")) {
    ASSERT_EQ(dpi, std::atoi(asked));
  }
  const double scale = dpi / 96.0;

  const fs::path shell32 = WineModule("shell32.dll");
  window->logic().LoadSource(shell32.wstring());
  PumpMessages();
  RECT client;
  GetClientRect(window->hwnd(), &client);
  EXPECT_NEAR(client.right, kClientWidth * scale, 1);
  EXPECT_NEAR(client.bottom, kClientHeight * scale, 1);
  for (const ControlLayout& c : kFormLayout) {
    SCOPED_TRACE(c.id);
    const RECT place = ClientRectOf(Control(c.id));
    EXPECT_NEAR(place.left, c.x * scale, 1);
    EXPECT_NEAR(place.top, c.y * scale, 1);
    EXPECT_NEAR(place.right - place.left, c.width * scale, 1);
    EXPECT_NEAR(place.bottom - place.top, c.height * scale, 1);
  }
  ExpectEveryCaptionWhole(*window, dpi);

  // The pictures have the system's large icon size, which grows with the DPI.
  EXPECT_EQ(LargeIcon(), MulDiv(32, dpi, 96));
  int width = 0, height = 0;
  ImageList_GetIconSize(ListView_GetImageList(List(), LVSIL_NORMAL), &width, &height);
  EXPECT_EQ(width, LargeIcon());
  EXPECT_EQ(height, LargeIcon());
  for (int number = 1; number <= 5; ++number) {
    EXPECT_EQ(ImagePixels(number), IconPixels(shell32, number)) << number;
  }
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(shell32, 1));
  SaveShot(window->hwnd(), L"main_window_" + std::to_wstring(dpi) + L"dpi");

  // A message box, its Japanese caption in the title bar, for a person to look at.
  std::thread shooter([&] {
    HWND box = nullptr;
    EXPECT_TRUE(WaitFor(
        "the message box",
        [&] {
          return (box = FindWindowW(L"#32770", L"  バカ ？！・・・")) && IsWindowVisible(box);
        },
        5000));
    if (!box) box = FindWindowW(L"#32770", nullptr);  // another caption: closed all the same
    if (box) SaveShot(box, L"message_box_" + std::to_wstring(dpi) + L"dpi");
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  window->logic().LoadSource(L"C:\\picture.ico");
  shooter.join();
}

// The system's message font, another one while the scope lasts.
class MessageFontAs {
 public:
  MessageFontAs(const wchar_t* face, int points) {
    saved_.cbSize = sizeof saved_;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
    NONCLIENTMETRICSW metrics = saved_;
    lstrcpynW(metrics.lfMessageFont.lfFaceName, face, LF_FACESIZE);
    metrics.lfMessageFont.lfHeight = -MulDiv(points, ScreenDpi(), 72);
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  }
  ~MessageFontAs() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }
  MessageFontAs(const MessageFontAs&) = delete;
  MessageFontAs& operator=(const MessageFontAs&) = delete;

 private:
  NONCLIENTMETRICSW saved_{};
};

// Under the UI fonts of Japanese Windows 10 and 11, of 8.1 and 7, of older ones and of Wine,
// each drawn here by a stand-in, every caption stands whole, in a font of 8 points or more.
TEST_F(ScaledWindow, EveryCaptionStandsWholeUnderTheUiFontsOfJapaneseWindows) {
  const int dpi = ScreenDpi();
  const struct {
    const wchar_t* face;
    int points;
    const wchar_t* shot;
  } fonts[] = {
      {L"Yu Gothic UI", 9, L"yu_gothic_ui"},
      {L"Meiryo UI", 9, L"meiryo_ui"},
      {L"MS UI Gothic", 9, L"ms_ui_gothic"},
      {L"Tahoma", 8, L"tahoma"},
  };
  for (const auto& font : fonts) {
    SCOPED_TRACE(std::string(font.shot, font.shot + wcslen(font.shot)));
    const MessageFontAs message(font.face, font.points);
    const auto shown = win32::FormWindow::Create(GetModuleHandleW(nullptr));
    ASSERT_TRUE(shown);
    shown->Show(SW_SHOWNORMAL);
    shown->logic().LoadSource(FixtureModule("many").wstring());
    PumpMessages();
    ExpectEveryCaptionWhole(*shown, dpi);
    LOGFONTW used{};
    GetObjectW(
        reinterpret_cast<HFONT>(SendMessageW(shown->Control(kLabel1Source), WM_GETFONT, 0, 0)),
        sizeof used, &used);
    EXPECT_GE(-used.lfHeight, MulDiv(8, dpi, 72));  // 8 points, as the system rounds them
    std::printf("%ls %d pt at %d DPI: the captions in %ls of %ld px\n", font.face, font.points, dpi,
                used.lfFaceName, -used.lfHeight);
    SaveShot(shown->hwnd(),
             L"fonts_" + std::wstring(font.shot) + L"_" + std::to_wstring(dpi) + L"dpi");
  }
}

// Tells the window that it moved from a monitor of `from` DPI to one of `to`, as Windows 10
// 1703 and later do and Wine never does: WM_GETDPISCALEDSIZE with the window's size, then
// WM_DPICHANGED with the rectangle made from the answer, or scaled linearly without one.
void ChangeMonitor(HWND form, int from, int to) {
  RECT frame;
  GetWindowRect(form, &frame);
  SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  if (!SendMessageW(form, morvane::win32::kGetDpiScaledSize, to, reinterpret_cast<LPARAM>(&size))) {
    size = {MulDiv(frame.right - frame.left, to, from), MulDiv(frame.bottom - frame.top, to, from)};
  }
  RECT suggested{frame.left, frame.top, frame.left + size.cx, frame.top + size.cy};
  SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

// Moved to a monitor of another scale, as Windows tells the window, which Wine never does: it
// takes the rectangle it is given and lays itself out as a window started at that scale would,
// with the shell's pictures at the new size.
TEST_F(ScaledWindow, AChangeOfMonitorScalesEverythingAgain) {
  if (ScreenDpi() != 96) GTEST_SKIP() << "the steps start at 96 DPI";
  const fs::path shell32 = WineModule("shell32.dll");
  window->logic().LoadSource(shell32.wstring());
  PumpMessages();
  ClickItem(3);
  const HWND form = window->hwnd();
  int from = 96;
  for (const int dpi : {144, 192, 96, 120, 96}) {
    SCOPED_TRACE(dpi);
    ChangeMonitor(form, std::exchange(from, dpi), dpi);
    PumpMessages();

    RECT client;
    GetClientRect(form, &client);
    std::printf("to %d DPI: client area %ld x %ld\n", dpi, client.right, client.bottom);
    EXPECT_EQ(client.right, Scaled(kClientWidth, dpi));
    EXPECT_EQ(client.bottom, Scaled(kClientHeight, dpi));
    for (const ControlLayout& c : kFormLayout) {
      const RECT place = ClientRectOf(Control(c.id));
      EXPECT_EQ(place.left, Scaled(c.x, dpi)) << c.id;
      EXPECT_EQ(place.top, Scaled(c.y, dpi)) << c.id;
      EXPECT_EQ(place.right - place.left, Scaled(c.width, dpi)) << c.id;
      EXPECT_EQ(place.bottom - place.top, Scaled(c.height, dpi)) << c.id;
    }
    ExpectEveryCaptionWhole(*window, dpi);
    // The list's items stand in its width, as in a window started at this scale.
    EXPECT_FALSE(GetWindowLongW(List(), GWL_STYLE) & WS_HSCROLL);
    LOGFONTW counter{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(kLabel3), WM_GETFONT, 0, 0)),
               sizeof counter, &counter);
    EXPECT_LE(-counter.lfHeight, 975 * dpi / 7200);  // fitted again, from the designed 9.75 pt

    const int size = Scaled(kCanvasSize, dpi);
    int width = 0, height = 0;
    ImageList_GetIconSize(ListView_GetImageList(List(), LVSIL_NORMAL), &width, &height);
    EXPECT_EQ(width, size);
    EXPECT_EQ(height, size);
    for (int number : {1, 2, 3, 40}) {
      EXPECT_EQ(ImagePixels(number, size), IconPixels(shell32, number, size)) << number;
    }
    EXPECT_EQ(ShownPixels(Control(kPicture1), size), IconPixels(shell32, 3, size));
    EXPECT_EQ(Counter(), L"Icon No．： 3/" + std::to_wstring(window->logic().iconCount()));
    SaveShot(form, L"monitor_change_to_" + std::to_wstring(dpi) + L"dpi");
  }
}

// A load costs the same whatever the list held before: the huge module loaded again after
// another file, after a load that failed and after the open-file dialog's reset, each of which
// empties a list of 33,000 items, answers other programs throughout: never as late as a hung
// window. So does a change of monitor, which lays out the 33,000 items anew.
TEST_F(ScaledWindow, AHugeModuleKeepsTheWindowAnswering) {
  const fs::path huge = FixtureModule("huge");
  window->logic().LoadSource(huge.wstring());
  window->logic().LoadSource(WineModule("shell32.dll").wstring());
  PumpMessages();
  AnswerWatch watch(window->hwnd());
  const auto loadHuge = [&] {
    window->logic().LoadSource(huge.wstring());
    PumpMessages();
    ASSERT_EQ(ListView_GetItemCount(List()), 33000);
  };
  loadHuge();
  {
    MessageBoxCatcher boxes;
    window->logic().LoadSource(FixtureModule("noicons").wstring());
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind(L"アイコンがありません。\n", 0), 0u);
  }
  loadHuge();
  {
    DialogDriver cancel([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    window->logic().Command1_Click(1);
    EXPECT_EQ(ListView_GetItemCount(List()), 0);  // the dialog's reset
  }
  EXPECT_LT(watch.LongestWait(), kHungSeconds);
  window->logic().LoadSource(huge.wstring());
  PumpMessages();
  EXPECT_EQ(ImagePixels(1), IconPixels(huge, 1));
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(huge, 1));
  EXPECT_LT(watch.LongestWait(), kHungSeconds);
  // Three monitors in a row, back to this one, before the window may answer: what a change
  // costs, three times over, is one wait.
  int from = ScreenDpi();
  for (const int dpi : {from == 96 ? 144 : 96, from == 192 ? 144 : 192, from}) {
    ChangeMonitor(window->hwnd(), std::exchange(from, dpi), dpi);
  }
  PumpMessages();
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(huge, 1));
  EXPECT_LT(watch.LongestWait(), kHungSeconds);
}

// More icons than 16 bits can count: every one is listed, End shows the last of them, and the
// counter keeps both its numbers whole on one line.
TEST_F(ScaledWindow, AModulePastSixteenBitsListsEveryIconWithAWholeCounter) {
  const std::wstring dpi = std::to_wstring(ScreenDpi());
  const fs::path huge = FixtureModule("huge");
  window->logic().LoadSource(huge.wstring());
  PumpMessages();
  EXPECT_EQ(window->logic().iconCount(), 33000);
  EXPECT_EQ(ListView_GetItemCount(List()), 33000);
  EXPECT_EQ(Counter(), L"Icon No．： 1/33000");
  EXPECT_TRUE(CaptionFits(Control(kLabel3), ControlKind::kCounter, ScreenDpi()));
  EXPECT_EQ(ImagePixels(1), IconPixels(huge, 1));
  SaveShot(window->hwnd(), L"huge_loaded_" + dpi + L"dpi");

  SetFocus(List());
  SendMessageW(List(), WM_KEYDOWN, VK_END, 0);
  SendMessageW(List(), WM_KEYUP, VK_END, 0);
  PumpMessages();
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 32999);
  EXPECT_EQ(Counter(), L"Icon No．： 33000/33000");
  EXPECT_TRUE(CaptionFits(Control(kLabel3), ControlKind::kCounter, ScreenDpi()));
  EXPECT_EQ(ShownPixels(Control(kPicture1), LargeIcon()), IconPixels(huge, 33000));
  EXPECT_EQ(ImagePixels(32768), IconPixels(huge, 32768));
  EXPECT_NE(IconPixels(huge, 33000), IconPixels(huge, 32999));  // the check tells them apart
  SaveShot(window->hwnd(), L"huge_end_" + dpi + L"dpi");
  // Keys with nowhere to go keep the one selected item; Home goes back to the first.
  for (const UINT key : {VK_END, VK_RIGHT, VK_DOWN, VK_HOME}) {
    SendMessageW(List(), WM_KEYDOWN, key, 0);
    SendMessageW(List(), WM_KEYUP, key, 0);
  }
  PumpMessages();
  EXPECT_EQ(ListView_GetSelectedCount(List()), 1u);
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 0);
  EXPECT_EQ(Counter(), L"Icon No．： 1/33000");

  // Whatever five digits stand in it, the counter of a file of 99,999 icons fits too.
  win32::Win32CounterLabel counter(Control(kLabel3), ScreenDpi());
  FitCounterFont(counter, L"Icon No．： 99999/99999");
  for (const wchar_t* text : {L"Icon No．： 11111/99999", L"Icon No．： 88888/99999"}) {
    counter.SetCaption(text);
    EXPECT_TRUE(CaptionFits(Control(kLabel3), ControlKind::kCounter, ScreenDpi())) << text;
  }
}

}  // namespace
}  // namespace morvane::testing
