// The Extract button of the real window under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "tests/win/message_box_catcher.h"
#include "tests/win/module_icon_reader.h"
#include "tests/win/shown_window.h"
#include "tests/win/test_files.h"

namespace morvane::testing {
namespace {

using win32::WindowText;

class ExtractButton : public ShownWindow {
 protected:
  void SetUp() override {
    ShownWindow::SetUp();
    window->logic().LoadSource(FixtureModule("names").wstring());
    PumpMessages();
  }

  void SetDestination(const std::wstring& text) {
    SetWindowTextW(Control(kText1Destination), text.c_str());
  }
  void SetAllIcons(bool checked) {
    SendMessageW(Control(kCheck1), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void Select(int number) {
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(Control(kListView1), number - 1, state, state);
  }
  void ClickExtract() {
    SendMessageW(Control(kCmdMake), BM_CLICK, 0, 0);
    PumpMessages();
  }

  // The window after every click: idle, with the focus in the destination field.
  void ExpectIdle() {
    EXPECT_EQ(WindowText(Control(kCmdMake)), L"抽出");
    for (ControlId id : {kCmdMake, kCommand1Destination, kCommand1Source}) {
      EXPECT_TRUE(IsWindowEnabled(Control(id))) << id;
    }
    EXPECT_EQ(GetFocus(), Control(kText1Destination));
  }

  TempFolder out;
};

TEST_F(ExtractButton, WritesOnlyTheSelectedIcon) {
  SetDestination(out.WithBackslash());
  Select(5);
  ClickExtract();
  const auto files = FilesIn(out.path());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files.begin()->first, L"names005.ico");
  EXPECT_EQ(files.begin()->second, ExpectedIcon("names005"));
  ExpectIdle();
}

TEST_F(ExtractButton, WithoutDestinationWritesIntoTheProgramFolder) {
  wchar_t program[MAX_PATH]{};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  const fs::path folder = fs::path(program).parent_path();
  const fs::path written = folder / L"names005.ico";
  fs::remove(written);

  Select(5);
  ClickExtract();
  EXPECT_EQ(WindowText(Control(kText1Destination)), folder.wstring() + L"\\");
  EXPECT_EQ(ReadAll(written), ExpectedIcon("names005"));
  fs::remove(written);
  ExpectIdle();
}

// A folder typed without its "\" is still the folder; a missing one, or a file's name, is
// no folder to write into.
TEST_F(ExtractButton, AFolderTypedWithoutBackslashIsTheFolder) {
  SetDestination(out.path().wstring());
  Select(2);
  ClickExtract();
  EXPECT_EQ(ReadAll(out.path() / L"names002.ico"), ExpectedIcon("names002"));
  EXPECT_EQ(WindowText(Control(kText1Destination)), out.path().wstring());  // as typed
  ExpectIdle();

  const fs::path file = out.path() / L"notes";
  fs::copy_file(FixtureModule("noicons"), file);
  for (const fs::path& destination : {out.path() / L"missing", file}) {
    MessageBoxCatcher boxes;
    SetDestination(destination.wstring());
    ClickExtract();
    const std::wstring path = (destination / L"names002.ico").wstring();
    EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{L"ファイルを書き込めません。\n" + path +
                                                       L"\nフォルダーが見つかりません。"});
    ExpectIdle();
  }
  EXPECT_EQ(FilesIn(out.path()).size(), 2u);  // names002.ico and the file named notes
  EXPECT_EQ(ReadAll(file), ReadAll(FixtureModule("noicons")));
}

TEST_F(ExtractButton, AllIconsWritesEveryGroup) {
  SetDestination(out.WithBackslash());
  SetAllIcons(true);
  ClickExtract();
  const auto files = FilesIn(out.path());
  ASSERT_EQ(files.size(), 5u);
  for (const char* name : {"names001", "names002", "names003", "names005"}) {
    EXPECT_EQ(files.at(fs::path(name).wstring() + L".ico"), ExpectedIcon(name)) << name;
  }
  ExpectIdle();
}

// Between its files, a long run answers what other threads and programs send the window.
TEST_F(ExtractButton, ALongRunKeepsAnsweringOtherPrograms) {
  window->logic().LoadSource(FixtureModule("many").wstring());
  SetDestination(out.WithBackslash());
  SetAllIcons(true);
  {
    AnswerWatch watch(window->hwnd());
    ClickExtract();
    EXPECT_LT(watch.LongestWait(), kHungSeconds);
  }
  EXPECT_EQ(FilesIn(out.path()).size(), 1005u);
  ExpectIdle();
}

// A full disk: the message names the file that did not fit, which is not left behind, and
// every file written before it stays whole.
TEST_F(ExtractButton, AFullDiskNamesTheFileAndLeavesNoPartOfIt) {
  const char* disk = std::getenv("MORVANE_SMALL_DISK");
  ULARGE_INTEGER size{};
  if (!disk || !GetDiskFreeSpaceExW(WinePath(disk).c_str(), nullptr, &size, nullptr) ||
      size.QuadPart > (1u << 20)) {
    GTEST_SKIP() << "no small disk is mounted (tools/small_disk)";
  }
  const fs::path folder = fs::path(WinePath(disk)) / L"out";
  fs::remove_all(folder);
  fs::create_directories(folder);
  window->logic().LoadSource(FixtureModule("many").wstring());
  SetDestination(folder.wstring());
  SetAllIcons(true);
  MessageBoxCatcher boxes;
  ClickExtract();

  const auto files = FilesIn(folder);
  wchar_t next[32];
  swprintf(next, 32, L"many%03u.ico", static_cast<unsigned>(files.size() + 1));
  ASSERT_EQ(boxes.caught().size(), 1u);
  EXPECT_EQ(boxes.caught()[0].text, L"ファイルを書き込めません。\n" + (folder / next).wstring() +
                                        L"\nディスクの空き領域が足りません。");
  EXPECT_EQ(boxes.caught()[0].caption, L"  ゴメン ？！・・・");
  EXPECT_FALSE(fs::exists(folder / next));
  const auto expected = IconFilesFromPe(ReadAll(FixtureModule("many")));
  EXPECT_GT(files.size(), 0u);
  for (std::size_t i = 0; i < files.size(); ++i) {
    wchar_t name[32];
    swprintf(name, 32, L"many%03u.ico", static_cast<unsigned>(i + 1));
    EXPECT_EQ(files.at(name), expected[i]) << i + 1;
  }
  fs::remove_all(folder);
  ExpectIdle();
}

TEST_F(ExtractButton, TheWindowIsBusyWhileAFailureIsShown) {
  window->logic().LoadSource(FixtureModule("broken").wstring());
  SetDestination(out.WithBackslash());
  SetAllIcons(true);
  MessageBoxCatcher boxes;
  std::wstring captionBehindBox;
  bool buttonsDisabled = false;
  HCURSOR pointerBehindBox = nullptr;
  boxes.OnShow([&] {
    pointerBehindBox = GetCursor();
    captionBehindBox = WindowText(Control(kCmdMake));
    buttonsDisabled = !IsWindowEnabled(Control(kCmdMake)) &&
                      !IsWindowEnabled(Control(kCommand1Destination)) &&
                      !IsWindowEnabled(Control(kCommand1Source));
  });
  ClickExtract();

  ASSERT_EQ(boxes.texts(), std::vector<std::wstring>{L"アイコンが抽出できません。"});
  EXPECT_EQ(captionBehindBox, L"抽出中");
  EXPECT_TRUE(buttonsDisabled);
  // The pointer waits while the run does, and comes back once its message has ended it.
  EXPECT_EQ(pointerBehindBox, LoadCursorW(nullptr, IDC_WAIT));
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  EXPECT_TRUE(IsWindowEnabled(Control(kCheck1)));
  EXPECT_EQ(FilesIn(out.path()).size(), 1u);
  ExpectIdle();
}

TEST_F(ExtractButton, AsksForAFileOrAnIconWhenThereIsNone) {
  MessageBoxCatcher boxes;
  SetDestination(out.WithBackslash());
  ListView_SetItemState(Control(kListView1), -1, 0, LVIS_SELECTED);
  ClickExtract();
  SetWindowTextW(Control(kText1Source), L"");
  ClickExtract();
  EXPECT_EQ(boxes.texts(), (std::vector<std::wstring>{L"アイコンを選択してください。",
                                                      L"ファイルを指定してください。"}));
  EXPECT_TRUE(FilesIn(out.path()).empty());
  ExpectIdle();
}

// A module with code of its own is only ever read as data: neither the preview nor the
// extraction runs its entry point, which would leave a marker file beside it.
TEST_F(ExtractButton, AModulesCodeNeverRuns) {
  const fs::path module = out.path() / "runs_code.dll";
  fs::copy_file(FixtureModule("runs_code"), module);
  const fs::path marker = module.wstring() + L".ran";
  window->logic().LoadSource(module.wstring());
  SetDestination(out.WithBackslash());
  SetAllIcons(true);
  ClickExtract();
  EXPECT_EQ(window->logic().iconCount(), 1);
  EXPECT_EQ(ReadAll(out.path() / "runs_code001.ico"), ExpectedIcon("runs_code001"));
  EXPECT_FALSE(fs::exists(marker));

  // The marker does appear when the module is loaded to run.
  HMODULE running = LoadLibraryW(module.c_str());
  ASSERT_TRUE(running);
  FreeLibrary(running);
  EXPECT_TRUE(fs::exists(marker));
}

}  // namespace
}  // namespace morvane::testing
