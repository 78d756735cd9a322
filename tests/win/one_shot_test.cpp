// The real Morvane.exe started with a file on its command line, and closed by the user.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "tests/common/icon_bytes.h"
#include "tests/win/module_icon_reader.h"
#include "tests/win/program_runner.h"
#include "tests/win/test_files.h"

namespace morvane::testing {
namespace {

const std::wstring kNameAFile = L"ファイルを指定してください。";
const std::wstring kNoIcons = L"アイコンがありません。";
const std::wstring kFool = L"  バカ ？！・・・";

std::vector<std::wstring> Texts(const ProgramRun& run) {
  std::vector<std::wstring> texts;
  for (const auto& message : run.messages) texts.push_back(message.text);
  return texts;
}

// The program under test: the build tree's, or the released one that tools/test_release names.
std::string ProgramUnderTest() {
  const char* released = std::getenv("MORVANE_RELEASED_EXE");
  return released ? released : MORVANE_EXE;
}

// A copy of Morvane.exe in a folder of its own, where it writes what it extracts.
class OneShot : public ::testing::Test {
 protected:
  void SetUp() override { fs::copy_file(WinePath(ProgramUnderTest()), exe()); }
  fs::path exe() const { return folder.path() / "Morvane.exe"; }
  fs::path Source(const fs::path& relative, const std::string& fixture) {
    const fs::path path = folder.path() / "sources" / relative;
    fs::create_directories(path.parent_path());
    fs::copy_file(FixtureDir() / "modules" / (fixture + ".dll"), path);
    return path;
  }
  // The files that the run wrote beside the program.
  std::map<std::wstring, std::vector<unsigned char>> Written() {
    auto files = FilesIn(folder.path());
    files.erase(L"Morvane.exe");
    return files;
  }

  TempFolder folder;
};

TEST_F(OneShot, AQuotedPathWithBlanksWritesEveryGroupBesideTheProgram) {
  const fs::path source = Source(L"my icons\\my names.dll", "names");
  const ProgramRun run = RunProgram(exe(), L"\"" + source.wstring() + L"\"");

  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_FALSE(run.windowShown);
  EXPECT_TRUE(run.messages.empty());
  auto files = Written();
  ASSERT_EQ(files.size(), 5u);
  EXPECT_EQ(files[L"my names001.ico"], ExpectedIcon("names001"));
  EXPECT_EQ(files[L"my names002.ico"], ExpectedIcon("names002"));
  EXPECT_EQ(files[L"my names003.ico"], ExpectedIcon("names003"));
  EXPECT_EQ(files[L"my names005.ico"], ExpectedIcon("names005"));
  EXPECT_TRUE(files[L"my names004.ico"] == ExpectedIcon("names004") ||
              files[L"my names004.ico"] == ExpectedIcon("names004.ja"));
}

TEST_F(OneShot, AnUnquotedPathWorksToo) {
  const fs::path source = Source(L"plain\\broken.dll", "broken");
  const ProgramRun run = RunProgram(exe(), source.wstring());
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 1u);  // a message was shown
  // Group 2 of this module is broken: group 1 is written, then the run stops with its message.
  ASSERT_EQ(run.messages.size(), 1u);
  EXPECT_EQ(run.messages[0].text, L"アイコンが抽出できません。");
  EXPECT_EQ(run.messages[0].caption, L"  ゴメン ？！・・・");
  auto files = Written();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[L"broken001.ico"], ExpectedIcon("broken001"));
}

// Wine's own modules, and 16-bit ones that the resource functions refuse: an icon library
// and a program. System files by the paths users give, among them modules that the program
// loads itself; for the 32-bit program on 64-bit Windows, they name the 64-bit system's files.
TEST_F(OneShot, ModulesGiveEveryOneOfTheirGroups) {
  const bool wow64 = sizeof(void*) == 4;
  const SystemFile only64("system32", "morvane_only64.dll", FixtureModule("names"));
  const SystemFile pair64("system32", "morvane_pair.dll", FixtureModule("names"));
  const SystemFile pair32("syswow64", "morvane_pair.dll", FixtureModule("declared"));
  const SystemFile only32("syswow64", "morvane_only32.dll", FixtureModule("declared"));
  const fs::path system32 = L"C:\\windows\\system32";
  const struct {
    fs::path source;
    std::vector<unsigned char> file;  // what the path names on 64-bit Windows
    std::vector<FileBytes> (*expect)(const FileBytes&);
  } modules[] = {
      {WineModule("notepad.exe"), ReadAll(WineModule("notepad.exe")), IconFilesFromPe},
      {WineModule("shell32.dll"), ReadAll(WineModule("shell32.dll")), IconFilesFromPe},
      {FixtureDir() / "modules" / "library.icl", ReadAll(FixtureDir() / "modules" / "library.icl"),
       IconFilesFromNe},
      {FixtureDir() / "modules" / "app16.exe", ReadAll(FixtureDir() / "modules" / "app16.exe"),
       IconFilesFromNe},
      {system32 / "shell32.dll", ReadSystemFile("system32", "shell32.dll"), IconFilesFromPe},
      {system32 / "user32.dll", ReadSystemFile("system32", "user32.dll"), IconFilesFromPe},
      {system32 / "comctl32.dll", ReadSystemFile("system32", "comctl32.dll"), IconFilesFromPe},
      {system32 / "comdlg32.dll", ReadSystemFile("system32", "comdlg32.dll"), IconFilesFromPe},
      // A broken resource of another type hides none of the icons.
      {FixtureDir() / "corrupt" / "comdlg32_version_past_end.dll",
       ReadAll(FixtureDir() / "corrupt" / "comdlg32_version_past_end.dll"), IconFilesFromPe},
      {only64.path(), ReadAll(FixtureModule("names")), IconFilesFromPe},
      {L"\\\\?\\" + only64.path().wstring(), ReadAll(FixtureModule("names")), IconFilesFromPe},
      {pair64.path(), ReadAll(FixtureModule("names")), IconFilesFromPe},
      {pair32.path(), ReadAll(FixtureModule("declared")), IconFilesFromPe},
      // Only the 32-bit system has it: named through System32, it is read as given, which the
      // 64-bit program does not find.
      {system32 / "morvane_only32.dll", wow64 ? ReadAll(FixtureModule("declared")) : FileBytes{},
       IconFilesFromPe},
  };
  for (const auto& [source, file, expect] : modules) {
    if (file.empty()) continue;
    const std::string module = source.string();
    SCOPED_TRACE(module);
    const std::vector<FileBytes> expected = expect(file);
    const ProgramRun run = RunProgram(exe(), source.wstring());

    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.messages.empty());
    auto files = Written();
    ASSERT_EQ(files.size(), expected.size());
    const std::wstring base = source.stem().wstring();
    for (std::size_t i = 0; i < expected.size(); ++i) {
      wchar_t number[8];
      swprintf(number, 8, L"%03u", static_cast<unsigned>(i + 1));
      EXPECT_EQ(files[base + number + L".ico"], expected[i]) << i + 1;
    }
    std::printf("%s: %zu files\n", module.c_str(), files.size());
    for (const auto& written : files) fs::remove(folder.path() / written.first);
  }
}

// More groups than 16 bits can count, each written under its own number. Wine creates files in
// a folder in a time that grows with the square of their number (minutes for these), so only
// the x86_64 suite runs it.
TEST_F(OneShot, AModulePastSixteenBitsWritesEveryGroup) {
  if (sizeof(void*) == 4) GTEST_SKIP() << "the x86_64 suite writes the 33,000 files";
  const fs::path source = Source(L"huge.dll", "huge");
  const std::vector<FileBytes> expected = IconFilesFromPe(ReadAll(source));
  ASSERT_EQ(expected.size(), 33000u);
  const DWORD start = GetTickCount();
  const ProgramRun run = RunProgram(exe(), source.wstring(), 1200000);
  std::printf("33,000 files written in %.1f s\n", (GetTickCount() - start) / 1000.0);

  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(run.messages.empty());
  auto files = Written();
  ASSERT_EQ(files.size(), expected.size());
  int wrong = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    wchar_t number[8];
    swprintf(number, 8, L"%03u", static_cast<unsigned>(i + 1));
    wrong += files[std::wstring(L"huge") + number + L".ico"] != expected[i];
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_NE(expected[32767], expected[32766]);  // the check tells groups apart
}

TEST_F(OneShot, AModulesCodeNeverRuns) {
  const fs::path source = Source(L"runs_code.dll", "runs_code");
  const ProgramRun run = RunProgram(exe(), source.wstring());
  ASSERT_TRUE(run.ended);
  EXPECT_TRUE(run.messages.empty());
  EXPECT_FALSE(fs::exists(source.wstring() + L".ran"));
  EXPECT_EQ(Written()[L"runs_code001.ico"], ExpectedIcon("runs_code001"));
}

TEST_F(OneShot, ASystemFileWritesTheIconsOfItsMunFile) {
  const SystemFileWithMun system("morvane_one_shot");
  const ProgramRun run = RunProgram(exe(), system.path().wstring());
  ASSERT_TRUE(run.ended);
  EXPECT_TRUE(run.messages.empty());
  auto files = Written();
  ASSERT_EQ(files.size(), 5u);
  for (const char* number : {"001", "002", "003", "005"}) {
    EXPECT_EQ(files[L"morvane_one_shot" + fs::path(number).wstring() + L".ico"],
              ExpectedIcon(std::string("names") + number))
        << number;
  }
}

TEST_F(OneShot, UnusableFilesShowTheirMessagesInOrderAndWriteNothing) {
  const fs::path icon = folder.path() / "sources" / "picture.ico";
  fs::create_directories(icon.parent_path());
  fs::copy_file(FixtureDir() / "icons" / "names" / "ALPHA.ico", icon);
  const std::wstring noIcons = Source(L"noicons.dll", "noicons").wstring();
  const std::wstring missing = (folder.path() / "sources" / "missing.dll").wstring();
  const std::wstring sources = (folder.path() / "sources").wstring();
  const std::wstring tooLong = sources + L"\\" + std::wstring(260, L'a') + L".dll";
  const std::wstring inUse = Source(L"in_use.dll", "names").wstring();
  // Why no icons were found, below the path as given.
  const auto noIconsIn = [](const std::wstring& path, const std::wstring& why) {
    return kNoIcons + L"\n" + (path.empty() ? L"" : path + L"\n") + why;
  };
  const struct {
    std::wstring arguments;
    std::wstring first;
  } cases[] = {
      {icon.wstring(), L"アイコンファイルは指定できません。"},
      {noIcons, noIconsIn(noIcons, L"シェルが表示できるアイコンがこのファイルにはありません。")},
      {missing, noIconsIn(missing, L"ファイルが見つかりません。")},
      {L"\"", noIconsIn(L"", L"ファイルが見つかりません。")},  // a lone quote: an empty path
      {sources, noIconsIn(sources, L"ファイルではなく、フォルダーです。")},
      {tooLong, noIconsIn(tooLong, L"パスが長すぎます。")},
      {inUse, noIconsIn(inUse, SystemText(ERROR_SHARING_VIOLATION))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.arguments.begin(), c.arguments.end()));
    // Another program holds this one open, and lets no one else read it.
    const HANDLE held = c.arguments == inUse ? CreateFileW(inUse.c_str(), GENERIC_READ, 0, nullptr,
                                                           OPEN_EXISTING, 0, nullptr)
                                             : INVALID_HANDLE_VALUE;
    const ProgramRun run = RunProgram(exe(), c.arguments);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_FALSE(run.windowShown);
    EXPECT_EQ(Texts(run), (std::vector<std::wstring>{c.first, kNameAFile}));
    for (const auto& message : run.messages) {
      EXPECT_EQ(message.caption, kFool);
      EXPECT_TRUE(message.okOnly);
    }
    EXPECT_TRUE(Written().empty());
  }
}

// Broken variants of a test module: each run ends by itself, with its messages or with files
// whose every byte their entries account for.
TEST_F(OneShot, BrokenModulesEndWithAMessageOrSoundFiles) {
  int variants = 0, withFiles = 0;
  for (const auto& entry : fs::directory_iterator(FixtureDir() / "corrupt")) {
    if (entry.path().extension() != ".dll" && entry.path().extension() != ".icl") continue;
    ++variants;
    SCOPED_TRACE(entry.path().filename().string());
    const ProgramRun run = RunProgram(exe(), entry.path().wstring(), 30000);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, run.messages.empty() ? 0u : 1u);
    const auto files = Written();
    EXPECT_TRUE(!run.messages.empty() || !files.empty());
    withFiles += !files.empty();
    for (const auto& [name, bytes] : files) {
      EXPECT_TRUE(IsSelfConsistentIco(bytes)) << fs::path(name).string();
      fs::remove(folder.path() / name);
    }
  }
  EXPECT_GT(variants, 80);
  std::printf("%d broken variants, %d of them wrote files\n", variants, withFiles);
}

TEST_F(OneShot, ClosingTheWindowEndsTheProcess) {
  static bool closed;
  closed = false;
  const ProgramRun run = RunProgram(exe(), L"", 30000, [](HWND window) {
    if (closed || !IsWindowVisible(window)) return;
    PostMessageW(window, WM_CLOSE, 0, 0);
    closed = true;
  });
  EXPECT_TRUE(closed);
  EXPECT_TRUE(run.windowShown);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(Written().empty());
}

}  // namespace
}  // namespace morvane::testing
