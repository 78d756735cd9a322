#include <gtest/gtest.h>

#include "extract/icon_file_writer.h"
#include "platform/native_path.h"
#include "tests/common/icon_bytes.h"
#include "tests/host/fake_platform.h"

namespace morvane {
namespace {

using testing::DirectoryEntry;
using testing::FakeForm;
using testing::GroupDirectory;
using testing::IconFile;
using testing::Image;

const Message kLoadLibraryError{L"LoadLibraryEx Error !!", L"Morvane"};
const Message kCannotExtract{L"アイコンが抽出できません。", L"  ゴメン ？！・・・"};

const std::wstring kModulePath = L"D:\\apps\\tool.exe";

// A run over the fake window's fields, as the Extract command starts one.
RunOutcome Write(FakeForm& form, int first, int last) {
  WriteServices services{form.messages, form.sources, form.paths, form.files};
  return WriteIconFiles({form.folderLabel.caption, form.sourceField.text,
                         form.destinationField.text, form.process.programFolder},
                        services, first, last);
}

// A module of three groups: a string-named one, then #5 and #9; each has its own images.
class WriteIconFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.folderLabel.caption = L"D:\\apps\\";
    form.sourceField.text = L"tool.exe";
    form.destinationField.text = L"E:\\out\\";
    auto& module = form.sources.modules[kModulePath];
    AddGroup(module, {0, L"MAIN"}, 10);
    AddGroup(module, {5, {}}, 20);
    AddGroup(module, {9, {}}, 30);
  }

  void AddGroup(testing::FakeModuleContents& module, ResourceName name, std::uint16_t firstId) {
    std::vector<DirectoryEntry> entries{{32, 32, 16, 1, 4, 744, firstId},
                                        {16, 16, 16, 1, 4, 296, std::uint16_t(firstId + 1)}};
    std::vector<Bytes> images{Image(744, std::uint8_t(firstId)),
                              Image(296, std::uint8_t(firstId + 1))};
    module.AddGroup(std::move(name), GroupDirectory(entries));
    module.AddIcon(firstId, images[0]);
    module.AddIcon(firstId + 1, images[1]);
    expected.push_back(IconFile(entries, images));
  }

  void Run(int first, int last) { Write(form, first, last); }

  // Gives another form the same fields and modules, for one case of a table.
  void CopyInputs(FakeForm& to) const {
    to.folderLabel.caption = form.folderLabel.caption;
    to.sourceField.text = form.sourceField.text;
    to.destinationField.text = form.destinationField.text;
    to.sources.modules = form.sources.modules;
  }

  testing::FakeModuleContents& Module() { return form.sources.modules[kModulePath]; }

  FakeForm form;
  std::vector<Bytes> expected;  // the .ico file of each group, in group order
};

TEST_F(WriteIconFilesTest, WritesEveryGroupInOrderFromFolderAndSourceName) {
  Run(1, 3);

  EXPECT_EQ(form.sources.opened, std::vector<std::wstring>{kModulePath});
  EXPECT_EQ(form.files.written,
            (std::vector<std::wstring>{L"E:\\out\\tool001.ico", L"E:\\out\\tool002.ico",
                                       L"E:\\out\\tool003.ico"}));
  EXPECT_EQ(form.files.files[L"E:\\out\\tool001.ico"], expected[0]);
  EXPECT_EQ(form.files.files[L"E:\\out\\tool002.ico"], expected[1]);
  EXPECT_EQ(form.files.files[L"E:\\out\\tool003.ico"], expected[2]);
  EXPECT_TRUE(form.messages.shown.empty());
  EXPECT_EQ(form.sources.live, 0);
}

TEST_F(WriteIconFilesTest, WritesTheHeaderAndEachImageInOneWriteEach) {
  Run(2, 2);
  EXPECT_EQ(form.files.written, std::vector<std::wstring>{L"E:\\out\\tool002.ico"});
  EXPECT_EQ(form.files.partsPerWrite, std::vector<std::size_t>{3});
}

TEST_F(WriteIconFilesTest, FirstAfterLastWritesNothingButStillOpensTheModule) {
  Run(1, 0);
  EXPECT_EQ(form.sources.opened.size(), 1u);
  EXPECT_TRUE(form.files.written.empty());
  EXPECT_TRUE(form.messages.shown.empty());
}

TEST_F(WriteIconFilesTest, ModuleThatCannotBeLoaded) {
  form.sourceField.text = L"gone.exe";
  Run(1, 3);
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kLoadLibraryError});
  EXPECT_TRUE(form.files.written.empty());
}

TEST_F(WriteIconFilesTest, ModuleWithoutGroupsComplainsEvenForAnEmptyRange) {
  Module().groups.clear();
  Run(1, 0);
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kCannotExtract});
  EXPECT_TRUE(form.files.written.empty());
  EXPECT_EQ(form.sources.live, 0);
}

TEST_F(WriteIconFilesTest, GroupNumberBeyondTheModuleEndsTheRunAfterTheEarlierFiles) {
  Run(2, 5);
  EXPECT_EQ(form.files.written,
            (std::vector<std::wstring>{L"E:\\out\\tool002.ico", L"E:\\out\\tool003.ico"}));
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kCannotExtract});
  EXPECT_EQ(form.sources.live, 0);
}

// Group numbers go on past 16 bits, and so do the digits of the file names.
TEST_F(WriteIconFilesTest, GroupsPastSixteenBitsAreWrittenUnderTheirOwnNumbers) {
  FakeForm many;
  CopyInputs(many);
  auto& module = many.sources.modules[kModulePath];
  module.groups.clear();
  constexpr int kGroups = 32770;
  for (int number = 1; number <= kGroups; ++number) {
    const auto id = static_cast<std::uint16_t>(number);
    module.AddGroup({id, {}}, GroupDirectory({{16, 16, 16, 1, 4, 3, id}}));
    module.AddIcon(id, Image(3, static_cast<std::uint8_t>(number / 256)));
  }
  Write(many, 32767, kGroups);

  EXPECT_TRUE(many.messages.shown.empty());
  ASSERT_EQ(many.files.written,
            (std::vector<std::wstring>{L"E:\\out\\tool32767.ico", L"E:\\out\\tool32768.ico",
                                       L"E:\\out\\tool32769.ico", L"E:\\out\\tool32770.ico"}));
  for (int number = 32767; number <= kGroups; ++number) {
    const auto id = static_cast<std::uint16_t>(number);
    EXPECT_EQ(many.files.files[L"E:\\out\\tool" + std::to_wstring(number) + L".ico"],
              IconFile({{16, 16, 16, 1, 4, 3, id}}, {Image(3, std::uint8_t(number / 256))}))
        << number;
  }
}

TEST_F(WriteIconFilesTest, GroupNumberBelowOneIsRefused) {
  Run(0, 0);
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kCannotExtract});
  EXPECT_TRUE(form.files.written.empty());
}

TEST_F(WriteIconFilesTest, ResourceStepFailuresAreNamedWithTheProgramTitle) {
  const std::pair<ResourceStatus, std::wstring> cases[] = {
      {ResourceStatus::LoadFailed, L"LoadResource Error !!"},
      {ResourceStatus::LockFailed, L"LockResource Error !!"},
      {ResourceStatus::SizeZero, L"SizeofResource Error !!"},
  };
  for (const auto& [status, text] : cases) {
    SCOPED_TRACE(text);
    FakeForm fresh;
    CopyInputs(fresh);
    fresh.sources.modules[kModulePath].groups[1].second = {status, {}};

    Write(fresh, 1, 3);

    EXPECT_EQ(fresh.files.written, std::vector<std::wstring>{L"E:\\out\\tool001.ico"});
    EXPECT_EQ(fresh.messages.shown, (std::vector<Message>{{text, L"Morvane"}}));
    EXPECT_EQ(fresh.sources.live, 0);
  }
}

TEST_F(WriteIconFilesTest, BrokenGroupsGetNoFileAndEndTheRun) {
  struct Case {
    const char* what;
    void (*breakIt)(testing::FakeModuleContents&);
  };
  const Case cases[] = {
      {"missing member image", [](auto& m) { m.icons.erase(21); }},
      {"member image of size 0",
       [](auto& m) {
         m.icons[21] = {ResourceStatus::Ok, {}};
       }},
      {"image that cannot be read",
       [](auto& m) {
         m.icons[21] = {ResourceStatus::LoadFailed, {}};
       }},
      {"directory shorter than its count",
       [](auto& m) { m.groups[1].second.bytes.resize(6 + 14 * 2 - 1); }},
      {"directory shorter than its header", [](auto& m) { m.groups[1].second.bytes.resize(5); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeForm fresh;
    CopyInputs(fresh);
    c.breakIt(fresh.sources.modules[kModulePath]);

    Write(fresh, 1, 3);

    EXPECT_EQ(fresh.files.written, std::vector<std::wstring>{L"E:\\out\\tool001.ico"});
    EXPECT_EQ(fresh.messages.shown, std::vector<Message>{kCannotExtract});
    EXPECT_EQ(fresh.sources.live, 0);
  }
}

TEST_F(WriteIconFilesTest, AFailedWriteIsReportedAndEndsTheRun) {
  form.files.failingPath = L"E:\\out\\tool002.ico";
  form.paths.folders.insert(form.files.failingPath);  // a folder of that name stands there
  Run(1, 3);
  EXPECT_EQ(form.files.written,
            (std::vector<std::wstring>{L"E:\\out\\tool001.ico", L"E:\\out\\tool002.ico"}));
  EXPECT_EQ(form.files.files.count(L"E:\\out\\tool001.ico"), 1u);
  EXPECT_EQ(form.files.files.count(L"E:\\out\\tool002.ico"), 0u);
  const Message taken{
      L"ファイルを書き込めません。\nE:\\out\\tool002.ico\n同じ名前のフォルダーがあります。",
      L"  バカ ？！・・・"};
  EXPECT_EQ(form.messages.shown, std::vector<Message>{taken});
  EXPECT_EQ(form.sources.live, 0);
}

// A destination typed as a relative path is taken against the program's folder; one that
// names a drive's current folder has no folder to write into.
TEST_F(WriteIconFilesTest, ARelativeDestinationLiesInTheProgramFolder) {
  form.process.programFolder = L"C:\\Tools\\";
  form.destinationField.text = L"out";
  Run(1, 1);
  EXPECT_EQ(form.files.written, std::vector<std::wstring>{L"C:\\Tools\\out\\tool001.ico"});
  EXPECT_EQ(form.destinationField.text, L"out");  // as typed

  FakeForm driveRelative;
  CopyInputs(driveRelative);
  driveRelative.destinationField.text = L"C:out";
  Write(driveRelative, 1, 1);
  EXPECT_TRUE(driveRelative.files.written.empty());
  const Message missing{
      L"ファイルを書き込めません。\nC:out\\tool001.ico\nフォルダーが見つかりません。",
      L"  バカ ？！・・・"};
  EXPECT_EQ(driveRelative.messages.shown, std::vector<Message>{missing});
}

TEST_F(WriteIconFilesTest, EmptyFolderLabelOpensTheBareName) {
  form.folderLabel.caption.clear();
  form.sources.modules[L"tool.exe"] = Module();
  Run(1, 1);
  EXPECT_EQ(form.sources.opened, std::vector<std::wstring>{L"tool.exe"});
  EXPECT_EQ(form.files.written, std::vector<std::wstring>{L"E:\\out\\tool001.ico"});
}

// System files of recent Windows keep their icons in <Windows>\SystemResources\<name>.mun.
TEST_F(WriteIconFilesTest, IconsOfAModuleWithoutGroupsComeFromItsMunFile) {
  const std::wstring mun = L"C:\\Windows\\SystemResources\\tool.exe.mun";
  struct Case {
    const char* what;
    bool namedHasGroups, munExists;
    std::vector<std::wstring> opened;
    std::vector<Message> shown;
  };
  const Case cases[] = {
      {"redirected", false, true, {kModulePath, mun}, {}},
      {"groups of its own win", true, true, {kModulePath}, {}},
      {"no .mun", false, false, {kModulePath}, {kCannotExtract}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeForm fresh;
    CopyInputs(fresh);
    fresh.sources.modules[mun] = fresh.sources.modules[kModulePath];
    if (!c.namedHasGroups) fresh.sources.modules[kModulePath].groups.clear();
    if (c.munExists) fresh.paths.existing.insert(mun);

    Write(fresh, 1, 3);

    EXPECT_EQ(fresh.sources.opened, c.opened);
    EXPECT_EQ(fresh.messages.shown, c.shown);
    EXPECT_EQ(fresh.files.written.size(), c.shown.empty() ? 3u : 0u);
    if (c.shown.empty()) {
      EXPECT_EQ(fresh.files.files[L"E:\\out\\tool003.ico"], expected[2]);
    }
    EXPECT_EQ(fresh.sources.live, 0);
  }
}

TEST_F(WriteIconFilesTest, AFileThatIsNoModuleIsNeverRedirected) {
  form.sourceField.text = L"gone.exe";
  form.paths.existing.insert(L"C:\\Windows\\SystemResources\\gone.exe.mun");
  form.sources.modules[L"C:\\Windows\\SystemResources\\gone.exe.mun"] = Module();
  Run(1, 3);
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kLoadLibraryError});
  EXPECT_TRUE(form.files.written.empty());
}

// A 32-bit program on 64-bit Windows sees <Windows>\SysWOW64 where it names System32: the file
// the user named is reached through <Windows>\Sysnative, where it exists there.
TEST(NativePathOf, ASystemPathUnderWow64NamesThe64BitFile) {
  const std::wstring native = L"C:\\Windows\\Sysnative\\";
  const struct {
    const char* what;
    bool wow64;
    std::wstring path;
    std::wstring exists;  // what FileExists (or, for a folder, FolderExists) finds
    std::wstring expected;
    std::wstring windows = L"C:\\Windows\\";  // the system's Windows folder
  } cases[] = {
      {"64-bit Windows itself", false, L"C:\\Windows\\System32\\a.dll", native + L"a.dll",
       L"C:\\Windows\\System32\\a.dll"},
      {"System32", true, L"C:\\Windows\\System32\\a.dll", native + L"a.dll", native + L"a.dll"},
      {"letters in any case", true, L"c:\\WINDOWS\\system32\\A.dll", native + L"A.dll",
       native + L"A.dll"},
      {"relative", true, L"a.dll", native + L"a.dll", native + L"a.dll"},
      {"a redirected subfolder", true, L"C:\\Windows\\System32\\drivers\\a.sys",
       native + L"drivers\\a.sys", native + L"drivers\\a.sys"},
      {"only the 32-bit system has it", true, L"C:\\Windows\\System32\\b.dll", native + L"a.dll",
       L"C:\\Windows\\System32\\b.dll"},
      {"SysWOW64 named", true, L"C:\\Windows\\SysWOW64\\a.dll", native + L"a.dll",
       L"C:\\Windows\\SysWOW64\\a.dll"},
      {"a folder beside System32", true, L"C:\\Windows\\System32x\\a.dll",
       L"C:\\Windows\\Sysnativex\\a.dll", L"C:\\Windows\\System32x\\a.dll"},
      {"a folder WoW64 leaves alone", true, L"C:\\Windows\\System32\\drivers\\etc\\hosts",
       native + L"drivers\\etc\\hosts", L"C:\\Windows\\System32\\drivers\\etc\\hosts"},
      {"spool", true, L"C:\\Windows\\System32\\Spool\\a.dll", native + L"Spool\\a.dll",
       L"C:\\Windows\\System32\\Spool\\a.dll"},
      {"catroot2 is no catroot", true, L"C:\\Windows\\System32\\catroot2x\\a.dll",
       native + L"catroot2x\\a.dll", native + L"catroot2x\\a.dll"},
      {"a device path keeps its form", true, L"\\\\?\\C:\\Windows\\System32\\a.dll",
       L"\\\\?\\" + native + L"a.dll", L"\\\\?\\" + native + L"a.dll"},
      {"\\\\.\\ too", true, L"\\\\.\\c:\\windows\\system32\\a.dll", L"\\\\.\\" + native + L"a.dll",
       L"\\\\.\\" + native + L"a.dll"},
      {"a network path", true, L"\\\\?\\UNC\\host\\C$\\Windows\\System32\\a.dll",
       L"\\\\?\\UNC\\host\\C$\\Windows\\Sysnative\\a.dll",
       L"\\\\?\\UNC\\host\\C$\\Windows\\System32\\a.dll"},
      {"the system's own Windows folder", true, L"D:\\WINNT\\System32\\a.dll",
       L"D:\\WINNT\\Sysnative\\a.dll", L"D:\\WINNT\\Sysnative\\a.dll", L"D:\\WINNT\\"},
      {"C:\\Windows is another folder there", true, L"C:\\Windows\\System32\\a.dll",
       native + L"a.dll", L"C:\\Windows\\System32\\a.dll", L"D:\\WINNT\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::FakePathNames paths;
    paths.windowsFolder = c.windows;
    paths.wow64 = c.wow64;
    paths.currentFolder = L"C:\\Windows\\System32\\";
    paths.existing.insert(c.exists);
    EXPECT_EQ(NativePathOf(paths, c.path), c.expected);
    paths.folders.insert(c.exists + L"\\");
    EXPECT_EQ(NativeFolderOf(paths, c.path + L"\\"), c.expected + L"\\");
    EXPECT_EQ(NativePathOf(paths, c.path + L"\\"), c.path + L"\\");  // a file, not the folder
  }
}

// Every reader of a run reads the 64-bit file, the .mun of a stub included, and the files go
// into the 64-bit System32; the fields and messages keep the paths as the user gave them.
TEST_F(WriteIconFilesTest, UnderWow64ASystemFileIsReadAndWrittenWhereTheUserNamedIt) {
  const std::wstring system = L"C:\\Windows\\System32\\", native = L"C:\\Windows\\Sysnative\\";
  const std::wstring mun = L"C:\\Windows\\SystemResources\\stub.dll.mun";
  form.paths.wow64 = true;
  form.folderLabel.caption = system;
  form.destinationField.text = system + L"out";
  form.paths.folders.insert(native + L"out\\");
  form.paths.existing = {native + L"tool.exe", native + L"stub.dll", mun};
  form.sources.modules[native + L"tool.exe"] = Module();
  form.sources.modules[native + L"stub.dll"] = {};
  form.sources.modules[mun] = Module();

  Run(1, 3);
  form.sourceField.text = L"stub.dll";
  Run(2, 2);
  EXPECT_EQ(form.files.files[native + L"out\\stub002.ico"], expected[1]);
  form.files.failingPath = native + L"out\\stub002.ico";
  Run(2, 2);

  EXPECT_EQ(form.sources.opened,
            (std::vector<std::wstring>{native + L"tool.exe", native + L"stub.dll", mun,
                                       native + L"stub.dll", mun}));
  EXPECT_EQ(form.files.written,
            (std::vector<std::wstring>{native + L"out\\tool001.ico", native + L"out\\tool002.ico",
                                       native + L"out\\tool003.ico", native + L"out\\stub002.ico",
                                       native + L"out\\stub002.ico"}));
  ASSERT_EQ(form.messages.shown.size(), 1u);
  EXPECT_NE(form.messages.shown[0].text.find(system + L"out\\stub002.ico"), std::wstring::npos);
}

}  // namespace
}  // namespace morvane
