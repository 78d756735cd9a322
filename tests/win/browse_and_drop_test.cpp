// The browse buttons' dialogs and the drop targets of the real window under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include "app/win32/drop_target.h"
#include "tests/win/dialog_driver.h"
#include "tests/win/message_box_catcher.h"
#include "tests/win/on_stack.h"
#include "tests/win/shown_window.h"
#include "tests/win/test_data_object.h"
#include "tests/win/test_files.h"

namespace morvane::testing {
namespace {

using Microsoft::WRL::ComPtr;
using win32::WindowText;

// The file name box of the open-file dialog: a combo box in the Explorer style, else an edit.
HWND FileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, cmb13);
  return box ? box : GetDlgItem(dialog, edt1);
}

// Where the open-file dialog is, and the filter it has selected.
std::wstring FolderOf(HWND dialog) {
  wchar_t folder[MAX_PATH]{};
  SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
  return folder;
}

std::wstring SelectedFilter(HWND dialog) {
  HWND filters = GetDlgItem(dialog, cmb1);
  const LRESULT selected = SendMessageW(filters, CB_GETCURSEL, 0, 0);
  wchar_t text[128]{};
  if (selected >= 0) SendMessageW(filters, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
  return text;
}

struct TextSearch {
  std::wstring text;
  bool found = false;
};

BOOL CALLBACK CompareText(HWND child, LPARAM lParam) {
  auto& search = *reinterpret_cast<TextSearch*>(lParam);
  search.found = search.found || WindowText(child) == search.text;
  return TRUE;
}

bool HasChildWithText(HWND parent, const std::wstring& text) {
  TextSearch search{text};
  EnumChildWindows(parent, CompareText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class BrowseAndDrop : public ShownWindowWithOle {
 protected:
  int Items() const { return ListView_GetItemCount(Control(kListView1)); }
  void Click(ControlId id) {
    SendMessageW(Control(id), BM_CLICK, 0, 0);
    PumpMessages();
  }
  void ExpectButtonsEnabled() {
    for (ControlId id : {kCmdMake, kCommand1Destination, kCommand1Source}) {
      EXPECT_TRUE(IsWindowEnabled(Control(id))) << id;
    }
  }
  static IDropTarget* TargetOf(HWND control) {
    return static_cast<IDropTarget*>(GetPropW(control, L"OleDropTargetInterface"));
  }
};

TEST_F(BrowseAndDrop, TheOpenFileDialogLoadsTheConfirmedFileAndRemembersItsFolder) {
  const fs::path module = FixtureModule("names");
  std::wstring initialName, folder, filter;
  {
    DialogDriver driver([&](HWND dialog) {
      initialName = WindowText(FileNameBox(dialog));
      folder = FolderOf(dialog);
      filter = SelectedFilter(dialog);
      EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, chx1)));  // no read-only box
      SaveScreenshot(dialog,
                     (fs::path(WinePath(MORVANE_SCREENSHOT_DIR)) / "open_dialog.png").wstring());
      SetWindowTextW(FileNameBox(dialog), module.c_str());
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    Click(kCommand1Source);
    EXPECT_EQ(driver.dialogsSeen(), 1);
  }
  // "c:\*.*" opens the dialog at the root of drive C with "*.*" in its name box.
  EXPECT_EQ(initialName, L"*.*");
  EXPECT_TRUE(folder == L"c:\\" || folder == L"C:\\") << std::string(folder.begin(), folder.end());
  EXPECT_EQ(filter, L"すべてのファイル (*.*)");
  EXPECT_EQ(Items(), 5);
  EXPECT_EQ(WindowText(Control(kText1Source)), L"names.dll");
  ExpectButtonsEnabled();

  DialogDriver again([&](HWND dialog) {
    initialName = WindowText(FileNameBox(dialog));
    folder = FolderOf(dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  Click(kCommand1Source);
  EXPECT_EQ(initialName, L"*.*");
  EXPECT_EQ(folder, module.parent_path().wstring());
}

TEST_F(BrowseAndDrop, CancellingTheOpenFileDialogEmptiesThePreviewButNotTheCounter) {
  window->logic().LoadSource(FixtureModule("names").wstring());
  DialogDriver driver([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
  Click(kCommand1Source);
  EXPECT_EQ(Items(), 0);
  EXPECT_EQ(WindowText(Control(kText1Source)), L"");
  EXPECT_EQ(WindowText(Control(kLabel2Folder)), L"");
  EXPECT_EQ(WindowText(Control(kLabel3)), L"Icon No．： 1/5");
  EXPECT_EQ(window->logic().iconCount(), 5);
  ExpectButtonsEnabled();
}

TEST_F(BrowseAndDrop, TheFolderBrowserOpensAtDriveCWithItsTitle) {
  SetWindowTextW(Control(kText1Destination), L"Z:\\tmp\\");
  bool titled = false;
  DialogDriver driver([&](HWND dialog) {
    titled = HasChildWithText(dialog, L"保存先フォルダの選択");
    SaveScreenshot(dialog,
                   (fs::path(WinePath(MORVANE_SCREENSHOT_DIR)) / "folder_browser.png").wstring());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);  // confirm what it opened with
  });
  Click(kCommand1Destination);
  EXPECT_TRUE(titled);
  EXPECT_EQ(WindowText(Control(kText1Destination)), L"C:\\");
  ExpectButtonsEnabled();
  EXPECT_EQ(GetFocus(), Control(kText1Destination));
}

// The browser fills its tree as it goes: a selection is confirmed once it has settled.
HWND g_browser = nullptr;
std::wstring g_choice;

void CALLBACK ConfirmChoice(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SendMessageW(g_browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(g_choice.c_str()));
  PostMessageW(g_browser, WM_COMMAND, IDOK, 0);
}

TEST_F(BrowseAndDrop, AChosenFolderGetsItsTrailingBackslash) {
  TempFolder chosen;
  g_choice = chosen.path().wstring();
  DialogDriver driver([&](HWND dialog) {
    g_browser = dialog;
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(g_choice.c_str()));
    SetTimer(nullptr, 0, 300, ConfirmChoice);
  });
  Click(kCommand1Destination);
  EXPECT_EQ(WindowText(Control(kText1Destination)), chosen.WithBackslash());
}

TEST_F(BrowseAndDrop, CancellingTheFolderBrowserEmptiesTheDestination) {
  SetWindowTextW(Control(kText1Destination), L"Z:\\tmp\\");
  DialogDriver driver([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
  Click(kCommand1Destination);
  EXPECT_EQ(WindowText(Control(kText1Destination)), L"");
  ExpectButtonsEnabled();
}

TEST_F(BrowseAndDrop, DropsOnTheListAndTheSourceFieldLoadTheFirstFile) {
  const std::wstring shell32 = WineModule("shell32.dll");
  struct Case {
    ControlId target;
    std::string first;
  };
  for (const Case& c : {Case{kListView1, "names"}, Case{kText1Source, "broken"}}) {
    SCOPED_TRACE(c.first);
    IDropTarget* target = TargetOf(Control(c.target));
    ASSERT_TRUE(target);
    ComPtr<IDataObject> files = FileListData({FixtureModule(c.first).wstring(), shell32});
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(target->DragEnter(files.Get(), MK_LBUTTON, {10, 10}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, {12, 12}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    target->Drop(files.Get(), 0, {12, 12}, &effect);
    PumpMessages();
    EXPECT_EQ(Items(), 5);
    EXPECT_EQ(WindowText(Control(kText1Source)),
              fs::path(FixtureModule(c.first)).filename().wstring());
  }
  EXPECT_EQ(TargetOf(Control(kText1Destination)), nullptr);  // the destination takes no drop
}

TEST_F(BrowseAndDrop, OtherDragsAreRefused) {
  IDropTarget* target = TargetOf(Control(kListView1));
  ASSERT_TRUE(target);
  ComPtr<IDataObject> files = FileListData({FixtureModule("names").wstring()});
  ComPtr<IDataObject> text = TextData(L"just text");
  const struct {
    const char* what;
    IDataObject* data;
    DWORD keys;
  } cases[] = {
      {"right button", files.Get(), MK_RBUTTON},
      {"left with shift", files.Get(), MK_LBUTTON | MK_SHIFT},
      {"left with ctrl", files.Get(), MK_LBUTTON | MK_CONTROL},
      {"text", text.Get(), MK_LBUTTON},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(c.data, c.keys, {5, 5}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    effect = DROPEFFECT_COPY;
    target->DragOver(c.keys, {6, 6}, &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    target->DragLeave();
  }
  EXPECT_EQ(Items(), 0);
}

TEST_F(BrowseAndDrop, ADroppedIconFileIsRefusedAndChangesNothing) {
  window->logic().LoadSource(FixtureModule("names").wstring());
  MessageBoxCatcher boxes;
  IDropTarget* target = TargetOf(Control(kListView1));
  ASSERT_TRUE(target);
  ComPtr<IDataObject> files =
      FileListData({(FixtureDir() / "icons" / "names" / "ALPHA.ico").wstring()});
  DWORD effect = DROPEFFECT_COPY;
  target->DragEnter(files.Get(), MK_LBUTTON, {5, 5}, &effect);
  target->Drop(files.Get(), 0, {5, 5}, &effect);
  EXPECT_TRUE(boxes.texts().empty());  // the drop returns to the dragging program first
  PumpMessages();
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{L"アイコンファイルは指定できません。"});
  EXPECT_EQ(Items(), 5);
  EXPECT_EQ(WindowText(Control(kText1Source)), L"names.dll");
}

// A drag picture service that writes down what it is told.
class RecordedDragPictures final : public OnStack<IDropTargetHelper> {
 public:
  HRESULT STDMETHODCALLTYPE DragEnter(HWND target, IDataObject* data, POINT* at,
                                      DWORD effect) override {
    told.push_back(L"enter " + Where(at, effect) + (target == window && data ? L" over it" : L""));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    told.push_back(L"leave");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(POINT* at, DWORD effect) override {
    told.push_back(L"over " + Where(at, effect));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, POINT* at, DWORD effect) override {
    told.push_back(L"drop " + Where(at, effect) + (data ? L" with the data" : L""));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Show(BOOL) override { return S_OK; }

  HWND window = nullptr;
  std::vector<std::wstring> told;

 private:
  static std::wstring Where(const POINT* at, DWORD effect) {
    return std::to_wstring(at->x) + L"," + std::to_wstring(at->y) + L" " + std::to_wstring(effect);
  }
};

// Explorer's drag picture stays while a file is dragged over the window: the shell's service is
// told of every step, with the effect the target answers; the window has one.
TEST_F(BrowseAndDrop, TheDragPictureServiceIsToldOfEveryStep) {
  EXPECT_TRUE(win32::DragPictureHelper());
  RecordedDragPictures pictures;
  pictures.window = Control(kListView1);
  std::vector<std::wstring> dropped;
  ComPtr<win32::DropTarget> target;
  target.Attach(new win32::DropTarget(
      {[](const DragState& drag) {
         return drag.offersFileList ? DropEffect::Copy : DropEffect::None;
       },
       [&dropped](const std::vector<std::wstring>& files) { dropped = files; }},
      Control(kListView1), &pictures));
  ComPtr<IDataObject> files = FileListData({L"C:\\a.dll"});
  ComPtr<IDataObject> text = TextData(L"just text");
  DWORD effect = DROPEFFECT_COPY;
  target->DragEnter(text.Get(), MK_LBUTTON, {5, 6}, &effect);
  target->DragLeave();
  target->DragEnter(files.Get(), MK_LBUTTON, {7, 8}, &effect);
  target->DragOver(MK_LBUTTON, {9, 10}, &effect);
  target->Drop(files.Get(), 0, {9, 10}, &effect);
  EXPECT_EQ(pictures.told,
            (std::vector<std::wstring>{L"enter 5,6 0 over it", L"leave", L"enter 7,8 1 over it",
                                       L"over 9,10 1", L"drop 9,10 1 with the data"}));
  EXPECT_EQ(dropped, std::vector<std::wstring>{L"C:\\a.dll"});
}

}  // namespace
}  // namespace morvane::testing
