// Extraction of the generated test modules through the real resource and file functions.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/common/icon_bytes.h"
#include "tests/win/message_box_catcher.h"
#include "tests/win/real_run.h"

namespace morvane::testing {
namespace {

const std::wstring kCannotExtract = L"アイコンが抽出できません。";
const std::wstring kSorry = L"  ゴメン ？！・・・";
const std::wstring kFool = L"  バカ ？！・・・";

class FixtureExtraction : public ::testing::Test {
 protected:
  void Extract(const std::string& module, std::int16_t first, std::int16_t last) {
    form.SetSource(FixtureModule(module));
    form.files.destination = out.WithBackslash();
    form.Run(first, last);
  }
  // Runs the extraction and gives the one message box it showed; null unless exactly one.
  const CaughtMessage* RunShowingOneMessage(std::int16_t first, std::int16_t last) {
    const std::size_t before = boxes.caught().size();
    form.Run(first, last);
    return boxes.caught().size() == before + 1 ? &boxes.caught().back() : nullptr;
  }
  std::vector<unsigned char> Written(const std::string& name) {
    return ReadAll(out.path() / (name + ".ico"));
  }

  TempFolder out;
  RealRun form;
  MessageBoxCatcher boxes;
};

TEST_F(FixtureExtraction, StringAndNumericNamesComeInEnumerationOrder) {
  Extract("names", 1, 5);

  EXPECT_TRUE(boxes.caught().empty());
  EXPECT_EQ(FilesIn(out.path()).size(), 5u);
  EXPECT_EQ(Written("names001"), ExpectedIcon("names001"));  // ALPHA
  EXPECT_EQ(Written("names002"), ExpectedIcon("names002"));  // a string name longer than 33 bytes
  EXPECT_EQ(Written("names003"), ExpectedIcon("names003"));  // #1, with a PNG 256x256 image
  EXPECT_EQ(Written("names005"), ExpectedIcon("names005"));  // #300
  // #2 exists in two languages: one whole group of either, never a mixture.
  const auto two = Written("names004");
  EXPECT_TRUE(two == ExpectedIcon("names004") || two == ExpectedIcon("names004.ja"));
}

TEST_F(FixtureExtraction, ALongStringNameIsFoundAlone) {
  Extract("names", 2, 2);
  EXPECT_TRUE(boxes.caught().empty());
  EXPECT_EQ(FilesIn(out.path()).size(), 1u);
  EXPECT_EQ(Written("names002"), ExpectedIcon("names002"));
}

TEST_F(FixtureExtraction, DeclaredSizesGiveWayToTheRealImages) {
  Extract("declared", 1, 1);
  EXPECT_TRUE(boxes.caught().empty());
  EXPECT_EQ(Written("declared001"), ExpectedIcon("declared001"));
}

TEST_F(FixtureExtraction, MoreThanAThousandGroupsKeepDistinctNames) {
  Extract("many", 1, 1005);

  EXPECT_TRUE(boxes.caught().empty());
  const auto files = FilesIn(out.path());
  ASSERT_EQ(files.size(), 1005u);
  for (int number : {1, 7, 999, 1000, 1001, 1005}) {
    char name[16];
    snprintf(name, sizeof name, "many%03d", number);
    SCOPED_TRACE(name);
    EXPECT_EQ(Written(name), ExpectedIcon(name));
  }
  int mismatches = 0;
  for (const auto& [name, bytes] : files) {
    const std::string stem = fs::path(name).stem().string();
    mismatches += bytes != ExpectedIcon(stem);
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(FixtureExtraction, ABrokenGroupEndsTheRunWithoutAFileOfItsOwn) {
  Extract("broken", 1, 5);
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{kCannotExtract});
  EXPECT_EQ(boxes.caught().at(0).caption, kSorry);
  ASSERT_EQ(FilesIn(out.path()).size(), 1u);
  EXPECT_EQ(Written("broken001"), ExpectedIcon("broken001"));
}

TEST_F(FixtureExtraction, EachBrokenCaseAloneWritesNothing) {
  // 2: a member image is missing; 3: a member image has size 0; 4: the directory is short.
  for (std::int16_t group : {2, 3, 4}) {
    SCOPED_TRACE(group);
    TempFolder single;
    form.SetSource(FixtureModule("broken"));
    form.files.destination = single.WithBackslash();
    const CaughtMessage* shown = RunShowingOneMessage(group, group);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, kCannotExtract);
    EXPECT_TRUE(FilesIn(single.path()).empty());
  }
}

TEST_F(FixtureExtraction, TheSoundGroupAfterTheBrokenOnesIsWritten) {
  Extract("broken", 5, 5);
  EXPECT_TRUE(boxes.caught().empty());
  EXPECT_EQ(Written("broken005"), ExpectedIcon("broken005"));
}

TEST_F(FixtureExtraction, AModuleWithoutIconGroups) {
  Extract("noicons", 1, 0);
  ASSERT_EQ(boxes.caught().size(), 1u);
  EXPECT_EQ(boxes.caught()[0].text, kCannotExtract);
  EXPECT_EQ(boxes.caught()[0].caption, kSorry);
  EXPECT_TRUE(boxes.caught()[0].questionIcon);
  EXPECT_TRUE(boxes.caught()[0].okOnly);
  EXPECT_TRUE(FilesIn(out.path()).empty());
}

TEST_F(FixtureExtraction, AGroupNumberBeyondTheModule) {
  Extract("names", 5, 6);
  EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{kCannotExtract});
  EXPECT_EQ(FilesIn(out.path()).size(), 1u);
}

TEST_F(FixtureExtraction, FilesThatAreNoModule) {
  const fs::path text = out.path() / "notes.txt";
  std::ofstream(text) << "just some text, not a module\n";
  const fs::path missing = out.path() / "gone.dll";
  // A DOS program: an "MZ" file whose new header is neither PE nor NE.
  const fs::path dos = out.path() / "dos.exe";
  std::string program = "MZ" + std::string(0x3A, '\0') + std::string("\x40\0\0\0", 4);
  std::ofstream(dos, std::ios::binary) << program + "LE" + std::string(64, '\0');
  for (const fs::path& source : {text, missing, dos}) {
    SCOPED_TRACE(source.string());
    TempFolder dest;
    form.SetSource(source);
    form.files.destination = dest.WithBackslash();
    const CaughtMessage* shown = RunShowingOneMessage(1, 3);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, L"LoadLibraryEx Error !!");
    EXPECT_EQ(shown->caption, L"Morvane");
    EXPECT_TRUE(FilesIn(dest.path()).empty());
  }
}

// The writer alone, without the loader's check before it: every broken variant of a module
// gives its message or files whose entries account for every byte.
TEST_F(FixtureExtraction, BrokenModulesGiveAMessageOrSoundFiles) {
  int variants = 0;
  for (const auto& entry : fs::directory_iterator(FixtureDir() / "corrupt")) {
    if (entry.path().extension() != ".dll" && entry.path().extension() != ".icl") continue;
    ++variants;
    SCOPED_TRACE(entry.path().filename().string());
    TempFolder single;
    const std::size_t before = boxes.caught().size();
    form.SetSource(entry.path());
    form.files.destination = single.WithBackslash();
    form.Run(1, 5);
    const auto files = FilesIn(single.path());
    EXPECT_TRUE(boxes.caught().size() > before || files.size() == 5);
    for (const auto& [name, bytes] : files) {
      EXPECT_TRUE(IsSelfConsistentIco(bytes)) << fs::path(name).string();
    }
  }
  EXPECT_GT(variants, 80);
}

TEST_F(FixtureExtraction, AnOlderLongerFileIsReplacedWhole) {
  std::ofstream(out.path() / "names001.ico", std::ios::binary) << std::string(50000, '\xEE');
  Extract("names", 1, 1);
  EXPECT_EQ(Written("names001"), ExpectedIcon("names001"));
}

TEST_F(FixtureExtraction, NamesOutsideAnyCodePage) {
  const fs::path source = out.path() / L"アイコン集.ŝ.dll";
  fs::copy_file(FixtureModule("names"), source);
  const fs::path dest = out.path() / L"出力 ø";
  fs::create_directory(dest);
  form.SetSource(source);
  form.files.destination = dest.wstring() + L"\\";
  form.Run(1, 1);
  EXPECT_TRUE(boxes.caught().empty());
  EXPECT_EQ(ReadAll(dest / L"アイコン集001.ico"), ExpectedIcon("names001"));
}

// A folder under Z:\tmp that not even root can write into (the immutable attribute of Linux),
// or nothing when this file system has no such attribute.
class UnwritableFolder {
 public:
  UnwritableFolder() {
    const std::string name = "morvane-unwritable-" + std::to_string(GetCurrentProcessId());
    unix_ = "/tmp/" + name;
    path_ = WinePath(unix_);
    fs::create_directories(path_);
    made_ = Chattr("+i") && WaitUntilWritable(false);
  }
  ~UnwritableFolder() {
    if (made_ && Chattr("-i")) WaitUntilWritable(true);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  bool made() const { return made_; }
  std::wstring WithBackslash() const { return path_.wstring() + L"\\"; }

 private:
  // Wine starts a Linux program for a Windows one, but its process handle does not follow it
  // to its end: the change shows when a file can, or cannot, be made in the folder.
  bool WaitUntilWritable(bool writable) const {
    for (int tries = 0; tries < 100; ++tries) {
      const bool wrote = static_cast<bool>(std::ofstream(path_ / "probe"));
      std::error_code ignored;
      fs::remove(path_ / "probe", ignored);
      if (wrote == writable) return true;
      Sleep(50);
    }
    return false;
  }

  bool Chattr(const char* change) const {
    std::wstring command = L"/usr/bin/chattr " + std::wstring(change, change + 2) + L" ";
    command.append(unix_.begin(), unix_.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }

  std::string unix_;
  fs::path path_;
  bool made_ = false;
};

// The message names the file, and the reason with the caption that the cause calls for.
TEST_F(FixtureExtraction, AFileThatCannotBeWritten) {
  std::ofstream(out.path() / "a file") << "not a folder";
  const struct {
    std::wstring destination;
    std::wstring reason;
    std::wstring caption;
  } cases[] = {
      {out.WithBackslash() + L"no such folder\\", L"フォルダーが見つかりません。", kFool},
      {out.WithBackslash() + L"bad<name>|", SystemText(ERROR_INVALID_NAME), kSorry},
      {out.WithBackslash() + L"a file\\", L"フォルダーが見つかりません。", kFool},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.destination.begin(), c.destination.end()));
    form.SetSource(FixtureModule("names"));
    form.files.destination = c.destination;
    const CaughtMessage* shown = RunShowingOneMessage(1, 5);
    ASSERT_TRUE(shown);
    const std::wstring file = c.destination + (c.destination.back() == L'\\' ? L"" : L"\\");
    EXPECT_EQ(shown->text, L"ファイルを書き込めません。\n" + file + L"names001.ico\n" + c.reason);
    EXPECT_EQ(shown->caption, c.caption);
  }
  EXPECT_EQ(FilesIn(out.path()).size(), 1u);  // "a file" alone, as it was
  EXPECT_EQ(ReadAll(out.path() / "a file").size(), 12u);
}

TEST_F(FixtureExtraction, AReadOnlyFileOrFolderStaysAsItWas) {
  const fs::path kept = out.path() / "names001.ico";
  std::ofstream(kept) << "an older icon";
  ASSERT_TRUE(SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY));
  form.SetSource(FixtureModule("names"));
  form.files.destination = out.WithBackslash();
  const CaughtMessage* shown = RunShowingOneMessage(1, 5);
  ASSERT_TRUE(shown);
  const std::wstring denied = L"\n書き込みが許可されていません。";
  EXPECT_EQ(shown->text, L"ファイルを書き込めません。\n" + kept.wstring() + denied);
  EXPECT_EQ(FilesIn(out.path()).size(), 1u);
  const auto bytes = ReadAll(kept);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "an older icon");
  SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_NORMAL);

  // A folder of the file's name, which Windows reports as a denied access.
  fs::remove(kept);
  fs::create_directory(kept);
  shown = RunShowingOneMessage(1, 5);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->text, L"ファイルを書き込めません。\n" + kept.wstring() +
                             L"\n同じ名前のフォルダーがあります。");
  fs::remove(kept);

  const UnwritableFolder folder;
  if (!folder.made()) GTEST_SKIP() << "chattr +i could not make a folder unwritable from this Wine";
  form.files.destination = folder.WithBackslash();
  shown = RunShowingOneMessage(1, 5);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->text,
            L"ファイルを書き込めません。\n" + folder.WithBackslash() + L"names001.ico" + denied);
}

}  // namespace
}  // namespace morvane::testing
