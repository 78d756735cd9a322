// The real Morvane.exe used through its window, from another process, as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include "app/form_layout.h"
#include "tests/win/gui_helpers.h"
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

// Waits up to `timeoutMs` for a visible top-level window of the process and class.
HWND WaitForWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs = 20000) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    Found found{processId, className};
    EnumWindows(FindOfClass, reinterpret_cast<LPARAM>(&found));
    if (found.window) return found.window;
    Sleep(50);
  }
  return nullptr;
}

// A control's text in another process: GetWindowText does not ask another program's controls.
std::wstring RemoteText(HWND control) {
  wchar_t text[256]{};
  SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 20000) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (condition()) return true;
    Sleep(50);
  }
  return false;
}

// A file of 33,000 icons loaded through the open-file dialog, and all of them extracted: the
// Extract button tells how far the run has come, and the end of the session, which arrives
// between two files, ends the program there, every file written whole.
TEST(InteractiveProgram, LoadsThroughTheDialogAndEndsBetweenTwoFilesWhenTheSessionEnds) {
  TempFolder folder;
  const fs::path exe = folder.path() / "Morvane.exe";
  fs::copy_file(WinePath(MORVANE_EXE), exe);
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.path().c_str(), &startup, &process));

  const HWND main = WaitForWindow(process.dwProcessId, L"MainForm");
  ASSERT_TRUE(main);
  EXPECT_EQ(RemoteText(main), L"Morvane");
  PostMessageW(GetDlgItem(main, kCommand1Source), BM_CLICK, 0, 0);

  const HWND dialog = WaitForWindow(process.dwProcessId, L"#32770");
  ASSERT_TRUE(dialog);
  Sleep(300);  // let the dialog finish showing its folder
  HWND nameBox = GetDlgItem(dialog, cmb13);
  if (!nameBox) nameBox = GetDlgItem(dialog, edt1);
  SetWindowTextW(nameBox, FixtureModule("huge").c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);

  const HWND list = GetDlgItem(main, kListView1);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 33000; }));
  EXPECT_EQ(RemoteText(GetDlgItem(main, kText1Source)), L"huge.dll");
  EXPECT_EQ(RemoteText(GetDlgItem(main, kLabel3)), L"Icon No．： 1/33000");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, kCommand1Source)));
  Sleep(500);  // another process paints in its own time
  const fs::path shots = WinePath(MORVANE_SCREENSHOT_DIR);
  fs::create_directories(shots);
  EXPECT_TRUE(SaveScreenshot(main, (shots / L"morvane_after_open_dialog.png").wstring()));

  // Into its own folder, beside the program: the destination is left empty.
  SendMessageW(GetDlgItem(main, kCheck1), BM_SETCHECK, BST_CHECKED, 0);
  PostMessageW(GetDlgItem(main, kCmdMake), BM_CLICK, 0, 0);
  const HWND extract = GetDlgItem(main, kCmdMake);
  EXPECT_TRUE(WaitUntil([&] {
    const std::wstring caption = RemoteText(extract);
    return caption.rfind(L"抽出中 ", 0) == 0 && caption.back() == L'%';
  }));
  EXPECT_TRUE(SaveScreenshot(main, (shots / L"morvane_extracting.png").wstring()));
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000, &answer);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);

  auto written = FilesIn(folder.path());
  written.erase(L"Morvane.exe");
  const auto expected = IconFilesFromPe(ReadAll(FixtureModule("huge")));
  EXPECT_GT(written.size(), 0u);
  EXPECT_LT(written.size(), expected.size());  // it ended before the last
  for (std::size_t number = 1; number <= written.size(); ++number) {
    wchar_t name[16];
    swprintf(name, 16, L"huge%03u.ico", static_cast<unsigned>(number));
    ASSERT_TRUE(written.count(name)) << number;  // in order, none left out
    EXPECT_EQ(written[name], expected[number - 1]) << number;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
}  // namespace morvane::testing
