// An icon's images in the real window: the tip over an item, the menu on it, Ctrl+C, and the
// PNG files it saves.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>

#include "extract/group_images.h"
#include "extract/image_export.h"
#include "platform/win32/wic_png_codec.h"
#include "platform/win32/win32_output_files.h"
#include "platform/win32/win32_shell.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/module_icon_reader.h"
#include "tests/win/png_reader.h"
#include "tests/win/shown_window.h"
#include "tests/win/test_files.h"

namespace morvane::testing {
namespace {

std::uint32_t U32(const FileBytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}
std::uint32_t Big32(const FileBytes& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

// The images of an .ico file, each as its own bytes.
std::vector<FileBytes> ImagesOf(const FileBytes& ico) {
  std::vector<FileBytes> images;
  for (std::size_t i = 0; i < std::size_t(ico[4] | ico[5] << 8); ++i) {
    const std::size_t entry = 6 + 16 * i, at = U32(ico, entry + 12);
    images.emplace_back(ico.begin() + at, ico.begin() + at + U32(ico, entry + 8));
  }
  return images;
}

// The tip that an .ico file's images call for, read from their own headers, largest first.
std::wstring ExpectedTip(const FileBytes& ico) {
  struct Line {
    std::uint64_t area;
    unsigned bits;
    std::wstring text;
  };
  std::vector<Line> lines;
  for (const FileBytes& image : ImagesOf(ico)) {
    const bool png = image[1] == 'P' && image[2] == 'N' && image[3] == 'G';
    const unsigned channels[] = {1, 0, 3, 1, 2, 0, 4};
    const std::uint32_t width = png ? Big32(image, 16) : U32(image, 4);
    const std::uint32_t height = png ? Big32(image, 20) : U32(image, 8) / 2;
    const unsigned bits = png ? image[24] * channels[image[25]] : image[14];
    lines.push_back({std::uint64_t{width} * height, bits,
                     std::to_wstring(width) + L" × " + std::to_wstring(height) + L"、" +
                         std::to_wstring(bits) + L" ビット" + (png ? L"（PNG）" : L"")});
  }
  std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
    return a.area != b.area ? a.area > b.area : a.bits > b.bits;
  });
  std::wstring tip;
  for (const Line& line : lines) tip += (tip.empty() ? L"" : L"\r\n") + line.text;
  return tip;
}

// A DIB image as Windows reads it into an icon: the colour bitmap's pixels, alpha from the
// image where it has any, else from the AND mask. 0xAARRGGBB, top-down.
std::vector<std::uint32_t> WindowsPixels(const FileBytes& image, int width, int height) {
  HICON icon =
      CreateIconFromResourceEx(const_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()),
                               TRUE, 0x00030000, width, height, LR_DEFAULTCOLOR);
  ICONINFO info{};
  GetIconInfo(icon, &info);
  BITMAPINFO request{};
  request.bmiHeader = {sizeof request.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> colour(static_cast<std::size_t>(width) * height);
  std::vector<std::uint32_t> mask(colour.size());
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, height, colour.data(), &request, DIB_RGB_COLORS);
  GetDIBits(dc, info.hbmMask, 0, height, mask.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  const bool alpha = image[14] == 32 && std::any_of(colour.begin(), colour.end(),
                                                    [](std::uint32_t p) { return p >> 24; });
  for (std::size_t i = 0; i < colour.size(); ++i) {
    if (!alpha) colour[i] = (mask[i] & 0xFFFFFF) ? 0 : (colour[i] | 0xFF000000);
  }
  return colour;
}

// Equal where it shows: the same alpha everywhere, and the same colour where alpha is not 0.
bool SamePicture(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if ((a[i] >> 24) != (b[i] >> 24) || ((a[i] >> 24) && a[i] != b[i])) return false;
  }
  return true;
}

// What a PNG of Morvane's shows, against the image it was made of.
bool PngShowsTheImage(const FileBytes& png, const FileBytes& image) {
  const bool stored = image[1] == 'P' && image[2] == 'N' && image[3] == 'G';
  if (stored) return png == image;
  const auto pixels = ReadPng(png);
  if (!pixels) return false;
  return SamePicture(pixels->argb, WindowsPixels(image, pixels->width, pixels->height));
}

class IconImages : public ShownWindowWithOle {
 protected:
  HWND List() const { return Control(kListView1); }
  void Load(const fs::path& module) {
    window->logic().LoadSource(module.wstring());
    PumpMessages();
  }
  void Select(int number) {
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(List(), number - 1, state, state);
    PumpMessages();
  }
  POINT ItemCentre(int number) const {
    RECT item{};
    ListView_GetItemRect(List(), number - 1, &item, LVIR_ICON);
    POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    return at;
  }
};

// The tip over a control: in `found`, the control on the way in, the tip on the way out.
BOOL CALLBACK TakeTip(HWND window, LPARAM found) {
  wchar_t name[32]{};
  GetClassNameW(window, name, 32);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  auto& control = *reinterpret_cast<HWND*>(found);
  if (std::wstring(name) != TOOLTIPS_CLASSW ||
      !SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) ||
      tool.hwnd != control) {
    return TRUE;
  }
  control = window;
  return FALSE;
}

HWND FindTip(HWND control) {
  HWND found = control;
  EnumThreadWindows(GetCurrentThreadId(), TakeTip, reinterpret_cast<LPARAM>(&found));
  return found == control ? nullptr : found;
}

std::wstring TipText(HWND tip, HWND control) {
  wchar_t text[512]{};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = control;
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
  return text;
}

// The mouse goes to `at` in the control and stays: the tip of a part before goes, this one's
// comes after the tip's delay, which every move of the mouse starts again.
void RestMouseOn(HWND control, POINT at) {
  POINT screen = at;
  ClientToScreen(control, &screen);
  SetCursorPos(screen.x, screen.y);
  for (int waited = 0; waited < 10; ++waited) {
    Sleep(10);
    PumpMessages();
  }
  PostMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

// The tip follows the mouse from item to item, with a line per image of that item's group.
TEST_F(IconImages, TheTipShowsTheImagesOfTheItemUnderTheMouse) {
  const struct {
    fs::path module;
    std::vector<FileBytes> icons;
  } modules[] = {
      {WineModule("shell32.dll"), IconFilesFromPe(ReadAll(WineModule("shell32.dll")))},
      {FixtureDir() / "modules" / "library.icl",
       IconFilesFromNe(ReadAll(FixtureDir() / "modules" / "library.icl"))},
  };
  for (const auto& m : modules) {
    SCOPED_TRACE(m.module.string());
    Load(m.module);
    for (int number : {4, 2}) {
      const POINT onItem = ItemCentre(number);
      POINT at = onItem;
      ClientToScreen(List(), &at);
      const HWND tip = FindTip(List());
      ASSERT_TRUE(tip);
      RestMouseOn(List(), onItem);
      const std::wstring expected = ExpectedTip(m.icons[number - 1]);
      std::wstring shown;
      EXPECT_TRUE(WaitFor(
          "the item's tip",
          [&] {
            shown = TipText(tip, List());
            return IsWindowVisible(tip) && shown == expected;
          },
          5000))
          << number << (WindowFromPoint(at) == List() ? "" : ", another window under the mouse")
          << "\nshown: " << shown << "\nexpected: " << expected;
    }
  }
  SaveScreenshot(window->hwnd(),
                 (fs::path(WinePath(MORVANE_SCREENSHOT_DIR)) / "tip_over_an_icon.png").wstring());
}

// The source field shows the file the list came from, and its tip the whole path as the user
// gave it, a System32 path under WoW64 too; it takes no typing, and its text can be copied.
TEST_F(IconImages, TheSourceFieldShowsTheListedFileAndItsWholePath) {
  const std::wstring path = L"C:\\windows\\system32\\shell32.dll";
  Load(path);
  const HWND field = Control(kText1Source);
  EXPECT_TRUE(GetWindowLongW(field, GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongW(field, GWL_STYLE) & WS_TABSTOP);
  SetFocus(field);
  for (const wchar_t c : std::wstring(L"\b\buser32.dll")) SendMessageW(field, WM_CHAR, c, 1);
  SendMessageW(field, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(field, WM_PASTE, 0, 0);
  EXPECT_EQ(win32::WindowText(field), L"shell32.dll");
  // The icon written is the listed file's.
  const TempFolder out;
  SetWindowTextW(Control(kText1Destination), out.WithBackslash().c_str());
  Select(2);
  window->logic().cmdMake_Click();
  const auto written = FilesIn(out.path());
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written.begin()->first, L"shell32002.ico");
  EXPECT_EQ(written.begin()->second, IconFilesFromPe(ReadSystemFile("system32", "shell32.dll"))[1]);
  SendMessageW(field, EM_SETSEL, 0, -1);
  SendMessageW(field, WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HANDLE copied = GetClipboardData(CF_UNICODETEXT);
  EXPECT_EQ(std::wstring(copied ? static_cast<const wchar_t*>(GlobalLock(copied)) : L""),
            L"shell32.dll");
  if (copied) GlobalUnlock(copied);
  CloseClipboard();

  const HWND tip = FindTip(field);
  ASSERT_TRUE(tip);
  RECT area;
  GetClientRect(field, &area);
  RestMouseOn(field, {area.right / 2, area.bottom / 2});
  EXPECT_TRUE(WaitFor(
      "the field's tip", [&] { return IsWindowVisible(tip) && TipText(tip, field) == path; }, 5000))
      << TipText(tip, field);
  SaveScreenshot(
      window->hwnd(),
      (fs::path(WinePath(MORVANE_SCREENSHOT_DIR)) / "tip_over_the_source.png").wstring());
}

// The menu that is open: where it is, and its items, those of its submenu after them.
RECT g_menu;
std::vector<std::wstring> g_menuItems;

bool IsOurs(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  // This process's shown menu: a window of the class may also be hidden, or another program's.
  HWND menu = nullptr;
  do {
    menu = FindWindowExW(nullptr, menu, L"#32768", nullptr);
  } while (menu && !(IsWindowVisible(menu) && IsOurs(menu)));
  if (!menu) return;
  GetWindowRect(menu, &g_menu);
  const auto items = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
  for (HMENU from : {items, GetSubMenu(items, 1)}) {
    for (int i = 0; i < GetMenuItemCount(from); ++i) {
      wchar_t text[128]{};
      GetMenuStringW(from, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
      g_menuItems.push_back(text);
    }
  }
  EndMenu();
}

// Shift+F10 opens the menu at the selected item, with a line per image under PNG で保存.
TEST_F(IconImages, ShiftF10OpensTheMenuAtTheSelectedItem) {
  Load(FixtureModule("names"));
  Select(3);
  SetFocus(List());
  g_menu = {};
  g_menuItems.clear();
  SetTimer(nullptr, 0, 300, ReadAndCloseMenu);
  INPUT keys[4]{};
  const WORD codes[] = {VK_SHIFT, VK_F10};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = codes[i < 2 ? i : 3 - i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof keys[0]);
  EXPECT_TRUE(WaitFor("the menu", [] { return !g_menuItems.empty(); }));
  EXPECT_EQ(g_menuItems, (std::vector<std::wstring>{L"コピー(&C)\tCtrl+C", L"PNG で保存(&P)",
                                                    L"256 × 256、32 ビット（PNG）",
                                                    L"48 × 48、32 ビット", L"32 × 32、32 ビット"}));
  POINT at = ItemCentre(3);
  ClientToScreen(List(), &at);
  EXPECT_LE(std::abs(g_menu.left - at.x), 2);
  EXPECT_LE(std::abs(g_menu.top - at.y), 2);
}

// A right click on an item selects it and opens the menu; beside the items it changes nothing.
TEST_F(IconImages, ARightClickSelectsItsItemAndOpensTheMenuButNotBesideTheItems) {
  Load(FixtureModule("names"));
  Select(1);
  const auto rightClick = [this](POINT at) {
    g_menuItems.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, ReadAndCloseMenu);
    ClientToScreen(List(), &at);
    SetCursorPos(at.x, at.y);
    // The point goes with the button, so that a mouse still on its way cannot click elsewhere.
    INPUT button[2]{};
    for (INPUT& input : button) {
      input.type = INPUT_MOUSE;
      input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
      input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    button[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_RIGHTDOWN;
    button[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_RIGHTUP;
    SendInput(2, button, sizeof button[0]);
    PumpMessages();
    return timer;
  };
  const auto selected = [this] { return ListView_GetNextItem(List(), -1, LVNI_SELECTED) + 1; };

  const UINT_PTR onItem = rightClick(ItemCentre(3));
  EXPECT_TRUE(WaitFor("the menu on item 3", [] { return !g_menuItems.empty(); }));
  KillTimer(nullptr, onItem);
  EXPECT_EQ(selected(), 3);
  EXPECT_EQ(g_menuItems.size(), 5u);

  RECT list;
  GetClientRect(List(), &list);
  const UINT_PTR timer = rightClick({list.right - 40, list.bottom - 10});
  EXPECT_FALSE(WaitFor(
      "a menu that should not open", [] { return !g_menuItems.empty(); }, 600));
  KillTimer(nullptr, timer);
  EXPECT_EQ(selected(), 3);
}

// Ctrl+C in the list: the largest image as a DIB with alpha, as a plain DIB, and as the PNG it
// is stored as.
TEST_F(IconImages, CtrlCPutsTheLargestImageOnTheClipboardInThreeFormats) {
  const std::vector<FileBytes> icons = IconFilesFromPe(ReadAll(FixtureModule("names")));
  Load(FixtureModule("names"));
  for (int number : {3, 1}) {  // a 256 × 256 PNG; a 32 × 32 DIB of 4 bits
    SCOPED_TRACE(number);
    Select(number);
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(List(), WM_KEYDOWN, 'C', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);

    const FileBytes largest = ImagesOf(icons[number - 1]).front();
    ASSERT_TRUE(OpenClipboard(window->hwnd()));
    const auto read = [](UINT format) {
      HGLOBAL memory = GetClipboardData(format);
      const auto* bytes = static_cast<const unsigned char*>(GlobalLock(memory));
      FileBytes copy(bytes, bytes + (bytes ? GlobalSize(memory) : 0));
      GlobalUnlock(memory);
      return copy;
    };
    const FileBytes dib = read(CF_DIBV5), png = read(RegisterClipboardFormatW(L"PNG"));
    const FileBytes plain = read(CF_DIB);  // ours, not one the system makes of CF_DIBV5
    CloseClipboard();
    ASSERT_GE(plain.size(), 40u);
    EXPECT_EQ(U32(plain, 0), 40u);
    EXPECT_EQ(U32(plain, 16), 0u);  // BI_RGB
    EXPECT_EQ(FileBytes(plain.begin() + 40, plain.end()), FileBytes(dib.begin() + 124, dib.end()));
    ASSERT_GE(dib.size(), 124u);
    EXPECT_EQ(U32(dib, 16), 3u);  // BI_BITFIELDS
    EXPECT_EQ(U32(dib, 52), 0xFF000000u);
    const int width = static_cast<int>(U32(dib, 4)), height = static_cast<int>(U32(dib, 8));
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {  // bottom-up
      for (int x = 0; x < width; ++x)
        pixels[y * width + x] = U32(dib, 124 + 4 * ((height - 1 - y) * width + x));
    }
    EXPECT_TRUE(PngShowsTheImage(png, largest));
    const auto fromPng = ReadPng(png);
    ASSERT_TRUE(fromPng);
    EXPECT_TRUE(SamePicture(pixels, fromPng->argb));
  }
}

// Through the menu's dialog, in the destination folder under the name it proposes; and every
// image of every group of Wine's shell32, whose PNG shows the same pixels as Windows' reading.
TEST_F(IconImages, APngShowsThePixelsOfItsImage) {
  TempFolder out;
  SetWindowTextW(window->Control(kText1Destination), out.path().c_str());
  Load(FixtureModule("names"));
  Select(3);
  std::wstring folder, name;
  {
    DialogDriver driver([&](HWND dialog) {
      wchar_t text[MAX_PATH]{};
      SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(text));
      folder = text;
      HWND box = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
      name = win32::WindowText(box);
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    window->logic().mnuSavePng_Click(1);  // 48 × 48, 32 bits
  }
  EXPECT_EQ(folder, out.path().wstring());
  EXPECT_EQ(name, L"names003-48x48.png");
  const auto names = IconFilesFromPe(ReadAll(FixtureModule("names")));
  EXPECT_TRUE(PngShowsTheImage(ReadAll(out.path() / name), ImagesOf(names[2])[1]));

  win32::WicPngCodec codec;
  win32::Win32OutputFiles files;
  win32::Win32PathNames paths;
  const auto shell32 = IconFilesFromPe(ReadAll(WineModule("shell32.dll")));
  int images = 0, differing = 0;
  for (const FileBytes& ico : shell32) {
    for (const FileBytes& image : ImagesOf(ico)) {
      const GroupImage group{Bytes(image.begin(), image.end()), {}};
      const fs::path png = out.path() / "image.png";
      ASSERT_FALSE(SavePng(group, png.wstring(), codec, files, paths));
      ++images;
      differing += !PngShowsTheImage(ReadAll(png), image);
    }
  }
  std::printf("%d images of shell32 saved as PNG\n", images);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace morvane::testing
