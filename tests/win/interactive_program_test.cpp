// The real Morvane.exe used through its window, from another process, as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <wrl/client.h>

#include "app/form_layout.h"
#include "tests/win/gui_helpers.h"
#include "tests/win/drag_files.h"
#include "tests/win/module_icon_reader.h"
#include "tests/win/test_files.h"

namespace morvane::testing {
namespace {

struct Found {
  DWORD processId;
  std::wstring className;
  HWND window = nullptr;
};

BOOL CALLBACK FindOfClass(HWND window, LPARAM lParam) {
  auto& found = *reinterpret_cast<Found*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[64]{};
  GetClassNameW(window, className, 64);
  if (owner == found.processId && found.className == className && IsWindowVisible(window)) {
    found.window = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of the process and class, or null.
HWND WindowOf(DWORD processId, const wchar_t* className) {
  Found found{processId, className};
  EnumWindows(FindOfClass, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

// Waits for a visible top-level window of the process and class; null when none came.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const char* what,
                   DWORD timeoutMs = 20000) {
  HWND window = nullptr;
  EXPECT_TRUE(WaitFor(
      what, [&] { return (window = WindowOf(processId, className)) != nullptr; }, timeoutMs));
  return window;
}

// A control's text in another process: GetWindowText does not ask another program's controls.
std::wstring RemoteText(HWND control) {
  wchar_t text[256]{};
  SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

const fs::path& Shots() {
  static const fs::path shots = WinePath(MORVANE_SCREENSHOT_DIR);
  fs::create_directories(shots);
  return shots;
}

// A copy of Morvane.exe in a folder of its own, its window shown.
class RunningProgram {
 public:
  RunningProgram() {
    fs::copy_file(WinePath(MORVANE_EXE), exe());
    std::wstring commandLine = L"\"" + exe().wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.path().c_str(), &startup, &process_)) {
      return;
    }
    main_ = WaitForWindow(process_.dwProcessId, L"MainForm", "the main window");
  }
  ~RunningProgram() {
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HWND main() const { return main_; }
  HWND Control(ControlId id) const { return GetDlgItem(main_, id); }
  DWORD id() const { return process_.dwProcessId; }
  fs::path exe() const { return folder_.path() / "Morvane.exe"; }

  // Loads a file as a user does: the source's browse button, the name typed into the dialog.
  ::testing::AssertionResult LoadThroughTheDialog(const fs::path& file, int icons) {
    PostMessageW(Control(kCommand1Source), BM_CLICK, 0, 0);
    const HWND dialog = WaitForWindow(id(), L"#32770", "the open-file dialog");
    if (!dialog) return ::testing::AssertionFailure() << "no open-file dialog";
    // The name goes in once the dialog has shown its folder and set its own name box.
    HWND nameBox = GetDlgItem(dialog, cmb13);
    if (!nameBox) nameBox = GetDlgItem(dialog, edt1);
    const auto folderShown = WaitFor(
        "the dialog's folder and its name box",
        [&] {
          return FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr) &&
                 RemoteText(nameBox) == L"*.*";
        },
        5000);
    if (!folderShown) return folderShown;
    SetWindowTextW(nameBox, file.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const HWND list = Control(kListView1);
    return WaitFor("the list's items",
                   [&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == icons; });
  }

  // Every icon, into the program's own folder: the destination is left empty. True once the
  // Extract button tells how far the run has come.
  ::testing::AssertionResult ExtractAll() {
    SendMessageW(Control(kCheck1), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageW(Control(kCmdMake), BM_CLICK, 0, 0);
    return WaitFor("the run's progress on the Extract button", [&] {
      const std::wstring caption = RemoteText(Control(kCmdMake));
      return caption.rfind(L"抽出中 ", 0) == 0 && caption.back() == L'%';
    });
  }

  // Milliseconds until the process ends, up to `timeoutMs`; its exit code.
  DWORD WaitForEnd(DWORD timeoutMs, DWORD& exitCode) const {
    const ULONGLONG start = GetTickCount64();
    WaitForSingleObject(process_.hProcess, timeoutMs);
    exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return static_cast<DWORD>(GetTickCount64() - start);
  }

  // The files the program wrote into its own folder, by name.
  std::map<std::wstring, FileBytes> Written() const {
    auto written = FilesIn(folder_.path());
    written.erase(L"Morvane.exe");
    return written;
  }

  // The files written, each whole and in order from the first, none left out.
  std::size_t ExpectWholeFilesInOrder(const std::vector<FileBytes>& expected) {
    auto written = Written();
    for (std::size_t number = 1; number <= written.size(); ++number) {
      wchar_t name[16];
      swprintf(name, 16, L"huge%03u.ico", static_cast<unsigned>(number));
      if (!written.count(name)) {
        ADD_FAILURE() << "file " << number << " left out";
        break;
      }
      EXPECT_EQ(written[name], expected[number - 1]) << number;
    }
    return written.size();
  }

 private:
  TempFolder folder_;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

const std::vector<FileBytes>& HugeIcons() {
  static const std::vector<FileBytes> icons = IconFilesFromPe(ReadAll(FixtureModule("huge")));
  return icons;
}

// A file of 33,000 icons loaded through the open-file dialog and all of them extracted: the
// Extract button tells how far the run has come. Every way to close the window ends the
// program between two files, long before Windows would call it hung, every file written whole, with
// exit code 1.
TEST(InteractiveProgram, ALongExtractionEndsBetweenTwoFilesOnEveryCloseRequest) {
  const struct {
    const char* what;
    void (*ask)(HWND main);
  } requests[] = {
      {"the end of the session",
       [](HWND main) {
         DWORD_PTR answer = 0;
         SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000,
                             &answer);
       }},
      {"the close box", [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Alt+F4",
       [](HWND main) {
         PostMessageW(GetDlgItem(main, kText1Destination), WM_SYSKEYDOWN, VK_F4, 0x203E0001);
       }},
      {"another program's WM_CLOSE", [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
  };
  bool first = true;
  for (const auto& request : requests) {
    SCOPED_TRACE(request.what);
    RunningProgram program;
    ASSERT_TRUE(program.main());
    ASSERT_TRUE(program.LoadThroughTheDialog(FixtureModule("huge"), 33000));
    EXPECT_EQ(RemoteText(program.Control(kText1Source)), L"huge.dll");
    EXPECT_EQ(RemoteText(program.Control(kLabel3)), L"Icon No．： 1/33000");
    if (first) {
      EXPECT_TRUE(
          SaveScreenshot(program.main(), (Shots() / L"morvane_after_open_dialog.png").wstring()));
    }
    ASSERT_TRUE(program.ExtractAll());
    if (first) {
      EXPECT_TRUE(SaveScreenshot(program.main(), (Shots() / L"morvane_extracting.png").wstring()));
    }
    first = false;

    request.ask(program.main());
    DWORD exitCode = 0;
    EXPECT_LT(program.WaitForEnd(20000, exitCode), kHungMs);
    EXPECT_EQ(exitCode, 1u);
    const std::size_t written = program.ExpectWholeFilesInOrder(HugeIcons());
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, HugeIcons().size());  // it ended before the last
  }
}

// Esc stops a run between two files, and the window is idle again at once; what the user
// clicked meanwhile is not run afterwards.
TEST(InteractiveProgram, EscStopsALongExtractionAndTheClicksMadeMeanwhileAreDropped) {
  RunningProgram program;
  ASSERT_TRUE(program.main());
  ASSERT_TRUE(program.LoadThroughTheDialog(FixtureModule("huge"), 33000));
  ASSERT_TRUE(program.ExtractAll());
  const LPARAM at = MAKELPARAM(112, 37);  // on item 2: the list's items are 75 pixels apart
  PostMessageW(program.Control(kListView1), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(program.Control(kListView1), WM_LBUTTONUP, 0, at);
  PostMessageW(program.Control(kText1Destination), WM_KEYDOWN, VK_ESCAPE, 0x00010001);

  EXPECT_TRUE(WaitFor(
      "the Extract button's caption again",
      [&] { return RemoteText(program.Control(kCmdMake)) == L"抽出"; }, kHungMs));
  EXPECT_TRUE(IsWindowEnabled(program.Control(kCmdMake)));
  // Once it answers, the program has handled what was waiting before: a click that had not
  // been dropped, or another file, would show from here on.
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutW(program.main(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer));
  const std::size_t written = program.ExpectWholeFilesInOrder(HugeIcons());
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, HugeIcons().size());
  EXPECT_EQ(program.ExpectWholeFilesInOrder(HugeIcons()), written);         // no more came
  EXPECT_EQ(RemoteText(program.Control(kLabel3)), L"Icon No．： 1/33000");  // no click ran

  PostMessageW(program.main(), WM_CLOSE, 0, 0);
  DWORD exitCode = 1;
  EXPECT_LT(program.WaitForEnd(20000, exitCode), kHungMs);
  EXPECT_EQ(exitCode, 0u);
}

// The middle of the program's list, on the screen.
POINT MiddleOfTheList(const RunningProgram& program) {
  RECT list;
  GetWindowRect(program.Control(kListView1), &list);
  return {(list.left + list.right) / 2, (list.top + list.bottom) / 2};
}

// Drags the file from this process onto the program's list with the left button, as a user
// does; the milliseconds that DoDragDrop held this program beyond the drag itself.
DWORD DragOntoTheList(const RunningProgram& program, const fs::path& file, DWORD& effect) {
  const Drag drag = DragFiles({file.wstring()}, MiddleOfTheList(program));
  EXPECT_TRUE(drag.buttonDown && drag.buttonUp) << "the system did not see the left button";
  EXPECT_TRUE(drag.cursorMoved) << "the cursor did not arrive";
  effect = drag.effect;
  return drag.heldMs;
}

// A drag over the busy window is refused at once; a drop on the idle window returns to the
// dragging program before the load that follows shows its message.
TEST(InteractiveProgram, DropsNeverHoldTheDraggingProgram) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  {
    RunningProgram program;
    ASSERT_TRUE(program.main());
    ASSERT_TRUE(program.LoadThroughTheDialog(FixtureModule("huge"), 33000));
    ASSERT_TRUE(program.ExtractAll());
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_LT(DragOntoTheList(program, FixtureModule("names"), effect), kHungMs);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(RemoteText(program.Control(kText1Source)), L"huge.dll");

    PostMessageW(program.Control(kText1Destination), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ASSERT_TRUE(WaitFor("the Extract button's caption again",
                        [&] { return RemoteText(program.Control(kCmdMake)) == L"抽出"; }));
    EXPECT_LT(DragOntoTheList(program, FixtureModule("noicons"), effect), kHungMs);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    const HWND box =
        WaitForWindow(program.id(), L"#32770", "the message box", 5000);  // shown after the return
    ASSERT_TRUE(box);
    EXPECT_EQ(RemoteText(GetDlgItem(box, 0xFFFF)).rfind(L"アイコンがありません。\n", 0), 0u);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitFor("the list emptied", [&] {
      return SendMessageW(program.Control(kListView1), LVM_GETITEMCOUNT, 0, 0) == 0;
    }));
  }
  OleUninitialize();
}

// A system file that only the 64-bit System32 holds, dropped from a 64-bit program as from
// Explorer on 64-bit Windows: the list shows its icons and they are the files written.
TEST(InteractiveProgram, ASystemFileDroppedFromA64BitProgramIsTheOneItNames) {
  const SystemFile only64("system32", "morvane_dropped.dll", FixtureModule("names"));
  const std::vector<FileBytes> expected = IconFilesFromPe(ReadAll(FixtureModule("names")));
  RunningProgram program;
  ASSERT_TRUE(program.main());
#ifdef MORVANE_DRAG_FROM_64_BIT
  const POINT at = MiddleOfTheList(program);
  std::wstring commandLine = L"drag_from_64_bit.exe " + std::to_wstring(at.x) + L" " +
                             std::to_wstring(at.y) + L" " + only64.path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION dragger{};
  ASSERT_TRUE(CreateProcessW(WinePath(MORVANE_DRAG_FROM_64_BIT).c_str(), commandLine.data(),
                             nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &dragger));
  ASSERT_TRUE(WaitFor("the 64-bit drag's end",
                      [&] { return WaitForSingleObject(dragger.hProcess, 0) == WAIT_OBJECT_0; }));
  DWORD effect = 255;
  GetExitCodeProcess(dragger.hProcess, &effect);
  CloseHandle(dragger.hThread);
  CloseHandle(dragger.hProcess);
#else
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  DWORD effect = DROPEFFECT_NONE;
  DragOntoTheList(program, only64.path(), effect);
  OleUninitialize();
#endif
  EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
  const HWND list = program.Control(kListView1);
  ASSERT_TRUE(WaitFor("the dropped file's icons", [&] {
    return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == static_cast<LRESULT>(expected.size());
  }));
  EXPECT_EQ(RemoteText(program.Control(kText1Source)), L"morvane_dropped.dll");

  SendMessageW(program.Control(kCheck1), BM_SETCHECK, BST_CHECKED, 0);
  PostMessageW(program.Control(kCmdMake), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor("every file written", [&] {
    return program.Written().size() == expected.size() &&
           RemoteText(program.Control(kCmdMake)) == L"抽出";
  }));
  auto written = program.Written();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    wchar_t name[32];
    swprintf(name, 32, L"morvane_dropped%03u.ico", static_cast<unsigned>(i + 1));
    EXPECT_EQ(written[name], expected[i]) << i + 1;
  }
}

}  // namespace
}  // namespace morvane::testing
