#include <gtest/gtest.h>

#include <algorithm>

#include "app/busy_state.h"
#include "app/destination_field.h"
#include "app/main_window.h"
#include "tests/common/icon_bytes.h"
#include "tests/host/fake_platform.h"
#include "tests/host/journal_steps.h"

namespace morvane {
namespace {

using testing::FakeForm;
using testing::Join;
const Journal& kDisable = testing::kDisableButtons;
const Journal& kEnable = testing::kEnableButtons;

// A loaded source file D:\apps\tool.exe with three icon groups.
class ExtractCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.messages.journal = &form.journal;
    auto& module = form.sources.modules[L"D:\\apps\\tool.exe"];
    for (std::uint16_t id = 1; id <= 3; ++id) {
      module.AddGroup({id, {}}, testing::GroupDirectory({{16, 16, 16, 1, 4, 40, id}}));
      module.AddIcon(id, testing::Image(40, static_cast<std::uint8_t>(id)));
    }
    form.shellIcons.counts[L"D:\\apps\\tool.exe"] = 3;
    window.LoadIconList(L"D:\\apps\\tool.exe");
    form.journal.clear();
  }

  RunOutcome Click() { return window.cmdMake_Click(); }

  // All 200 icons of a module, into E:\out\, each file taking 1/64 s.
  void LoadTwoHundredGroups() {
    auto& module = form.sources.modules[L"D:\\apps\\tool.exe"];
    for (std::uint16_t id = 4; id <= 200; ++id) {
      module.AddGroup({id, {}}, testing::GroupDirectory({{16, 16, 16, 1, 4, 40, id}}));
      module.AddIcon(id, testing::Image(40, static_cast<std::uint8_t>(id)));
    }
    form.shellIcons.counts[L"D:\\apps\\tool.exe"] = 200;
    window.LoadIconList(L"D:\\apps\\tool.exe");
    form.journal.clear();
    form.allIcons.checked = true;
    form.destinationField.text = L"E:\\out\\";
    form.process.tick = 1.0 / 64;
  }

  FakeForm form;
  MainWindow window{form.controls, form.platform};
};

TEST_F(ExtractCommandTest, AllIconsIntoTheProgramFolderWhenNoDestinationIsSet) {
  form.allIcons.checked = true;
  Click();

  EXPECT_EQ(form.journal,
            Join({{L"Text1(0)=C:\\Tools\\", L"DoEvents"},
                  kDisable,
                  {L"cmdMake=抽出中", L"DoEvents", L"DropWaitingInput", L"cmdMake=抽出"},
                  kEnable}));
  EXPECT_EQ(form.files.written,
            (std::vector<std::wstring>{L"C:\\Tools\\tool001.ico", L"C:\\Tools\\tool002.ico",
                                       L"C:\\Tools\\tool003.ico"}));
  EXPECT_TRUE(form.messages.shown.empty());
}

// A run that lasts tells how far it has come once it has run for a second, and lets the
// window answer other programs between files; the runs above, shorter, show neither.
TEST_F(ExtractCommandTest, ALongRunShowsHowFarItHasCome) {
  LoadTwoHundredGroups();
  Click();

  std::vector<int> percents;
  int answered = 0;
  for (const std::wstring& step : form.journal) {
    if (step.rfind(L"cmdMake=抽出中 ", 0) == 0) percents.push_back(std::stoi(step.substr(12)));
    answered += step == L"AnswerWhileBusy";
  }
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.front(), 32);  // file 64 of 200, one second in
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::adjacent_find(percents.begin(), percents.end(), std::greater_equal<int>()) ==
              percents.end());
  EXPECT_GE(answered, 31);  // at least every tenth of a second
  EXPECT_EQ(form.files.written.size(), 200u);
  EXPECT_EQ(form.extractButton.caption, L"抽出");
}

// Between two files, Esc stops a run and a close request ends the program: no file is written
// after it, no message is shown, and a drag meanwhile is refused.
TEST_F(ExtractCommandTest, EscStopsARunAndACloseEndsTheProgramBetweenTwoFiles) {
  LoadTwoHundredGroups();
  for (const bool close : {false, true}) {
    SCOPED_TRACE(close ? "close" : "Esc");
    std::size_t writtenBefore = 0;
    DragState drag;
    drag.buttons = kLeftButton;
    drag.offersFileList = true;
    form.process.meanwhile = [&] {
      writtenBefore = form.files.written.size();
      EXPECT_EQ(window.ListView1_OLEDragOver(drag), DropEffect::None);
      EXPECT_FALSE(window.ListView1_MenuLines());  // no menu while busy
      window.ListView1_OLEDragDrop({L"D:\\other.dll"});  // ignored while busy
      if (!close) return Interruption::Stop;
      window.Form_QueryUnload();
      return Interruption::None;
    };
    EXPECT_EQ(Click(), RunOutcome::Stopped);
    EXPECT_GT(writtenBefore, 0u);
    EXPECT_EQ(form.files.written.size(), writtenBefore);
    EXPECT_TRUE(form.messages.shown.empty());
    EXPECT_EQ(form.sourceField.text, L"tool.exe");
    const Journal end =
        close ? Journal{L"cmdMake=抽出",        L"cmdMake.Enabled", L"Command1(0).Enabled",
                        L"Command1(1).Enabled", L"Text1(0).Focus",  L"EndProgram 1"}
              : Join({{L"cmdMake=抽出"}, kEnable});
    EXPECT_TRUE(std::equal(end.rbegin(), end.rend(), form.journal.rbegin()));
    EXPECT_EQ(window.ListView1_OLEDragOver(drag), DropEffect::Copy);  // idle again
    form.files.written.clear();
    form.journal.clear();
  }
}

TEST_F(ExtractCommandTest, TheSelectedIconIntoTheFolderTyped) {
  form.destinationField.text = L"E:\\typed";  // a folder, typed without its backslash
  form.preview.selected = 2;
  Click();
  EXPECT_EQ(form.files.written, std::vector<std::wstring>{L"E:\\typed\\tool002.ico"});
  EXPECT_EQ(form.destinationField.text, L"E:\\typed");  // left as typed
  EXPECT_EQ(form.journal,
            Join({kDisable,
                  {L"cmdMake=抽出中", L"DoEvents", L"DropWaitingInput", L"cmdMake=抽出"},
                  kEnable}));
}

TEST_F(ExtractCommandTest, NoSourceFileAsksForOneAndOnlyEnables) {
  form.sourceField.text.clear();
  Click();
  EXPECT_EQ(form.journal, Join({{L"Message ファイルを指定してください。"}, kEnable}));
  EXPECT_EQ(form.messages.shown.at(0).caption, L"  バカ ？！・・・");
  EXPECT_EQ(form.destinationField.text, L"");
  EXPECT_TRUE(form.files.written.empty());
}

TEST_F(ExtractCommandTest, OneIconWithoutASelectedItemAsksForOne) {
  form.destinationField.text = L"E:\\out\\";
  form.preview.selected.reset();
  Click();
  EXPECT_EQ(form.journal,
            Join({kDisable,
                  {L"cmdMake=抽出中", L"DoEvents", L"Message アイコンを選択してください。",
                   L"DropWaitingInput", L"cmdMake=抽出"},
                  kEnable}));
  EXPECT_EQ(form.messages.shown.at(0).caption, L"  バカ ？！・・・");
  EXPECT_TRUE(form.files.written.empty());
}

TEST_F(ExtractCommandTest, AFailureInsideTheRunIsShownWhileBusyAndTheWindowRecovers) {
  form.destinationField.text = L"E:\\out\\";
  form.allIcons.checked = true;
  form.sources.modules.clear();  // the file went away after it was listed
  form.cursor.states.clear();
  Click();
  EXPECT_EQ(form.journal, Join({kDisable,
                                {L"cmdMake=抽出中", L"DoEvents", L"Message LoadLibraryEx Error !!",
                                 L"DropWaitingInput", L"cmdMake=抽出"},
                                kEnable}));
  EXPECT_EQ(form.extractButton.caption, L"抽出");
  EXPECT_TRUE(form.extractButton.enabled && form.sourceBrowse.enabled &&
              form.destinationBrowse.enabled);
  // The pointer waited from the start of the run until after its message.
  EXPECT_EQ(form.cursor.states, (std::vector<bool>{true, false}));
}

TEST_F(ExtractCommandTest, AllIconsOfAFileWithNoneStillOpensTheModule) {
  form.destinationField.text = L"E:\\out\\";
  form.allIcons.checked = true;
  form.sourceField.text = L"plain.txt";
  form.folderLabel.caption = L"D:\\";
  form.sources.modules[L"D:\\plain.txt"];  // a module without icon groups
  window.LoadIconList(L"D:\\plain.txt");   // no icons: iconCount 0, fields emptied
  form.sourceField.text = L"plain.txt";    // typed back by hand
  form.folderLabel.caption = L"D:\\";
  form.messages.shown.clear();

  Click();
  EXPECT_EQ(form.sources.opened.back(), L"D:\\plain.txt");
  const Message cannotExtract{L"アイコンが抽出できません。", L"  ゴメン ？！・・・"};
  EXPECT_EQ(form.messages.shown, std::vector<Message>{cannotExtract});
  EXPECT_TRUE(form.files.written.empty());
}

TEST(SetDestinationFolder, EndsTheFieldInOneBackslash) {
  struct Case {
    const wchar_t* given;
    const wchar_t* field;
  };
  for (const Case& c :
       {Case{L"D:\\out", L"D:\\out\\"}, Case{L"D:\\", L"D:\\"}, Case{L"D:\\out\\", L"D:\\out\\"},
        Case{L"", L"\\"}, Case{L"D:\\out\\\\", L"D:\\out\\\\"}}) {
    SCOPED_TRACE(c.given);
    FakeForm form;
    SetDestinationFolder(form.controls, c.given);
    EXPECT_EQ(form.destinationField.text, c.field);
  }
}

TEST(SetControlsEnabled, SwitchesTheThreeButtonsTogetherAndFocusesTheDestination) {
  FakeForm form;
  SetControlsEnabled(form.controls, false);
  EXPECT_EQ(form.journal, kDisable);
  form.journal.clear();
  SetControlsEnabled(form.controls, true);
  EXPECT_EQ(form.journal, kEnable);
}

class StartUpTest : public ::testing::Test {
 protected:
  FakeForm form;
  MainWindow window{form.controls, form.platform};
};

TEST_F(StartUpTest, WithoutArgumentsTheWindowJustOpens) {
  window.Form_Load();
  EXPECT_TRUE(form.journal.empty());
  EXPECT_FALSE(form.allIcons.checked);
}

TEST_F(StartUpTest, AFileWritesAllItsIconsIntoTheProgramFolderAndEnds) {
  auto& module = form.sources.modules[L"D:\\my apps\\tool.exe"];
  for (std::uint16_t id = 1; id <= 2; ++id) {
    module.AddGroup({id, {}}, testing::GroupDirectory({{16, 16, 16, 1, 4, 40, id}}));
    module.AddIcon(id, testing::Image(40, static_cast<std::uint8_t>(id)));
  }
  form.shellIcons.counts[L"D:\\my apps\\tool.exe"] = 2;
  form.process.arguments = L"\"D:\\my apps\\tool.exe\"";

  window.Form_Load();

  EXPECT_TRUE(form.allIcons.checked);
  EXPECT_EQ(form.files.written,
            (std::vector<std::wstring>{L"C:\\Tools\\tool001.ico", L"C:\\Tools\\tool002.ico"}));
  EXPECT_EQ(form.journal.back(), L"EndProgram 0");
  EXPECT_TRUE(form.messages.shown.empty());

  // The hidden window's fields end as a shown window's would.
  FakeForm shown;
  shown.sources.modules = form.sources.modules;
  shown.shellIcons.counts = form.shellIcons.counts;
  MainWindow visible{shown.controls, shown.platform};
  visible.LoadIconList(L"D:\\my apps\\tool.exe");
  EXPECT_EQ(window.iconCount(), visible.iconCount());
  EXPECT_EQ(form.sourceField.text, shown.sourceField.text);
  EXPECT_EQ(form.folderLabel.caption, shown.folderLabel.caption);
  EXPECT_EQ(form.counterLabel.caption, shown.counterLabel.caption);
}

TEST_F(StartUpTest, UnusableFilesShowBothMessagesInOrderThenEnd) {
  const Message kNameAFile{L"ファイルを指定してください。", L"  バカ ？！・・・"};
  const std::pair<const wchar_t*, Message> cases[] = {
      {L"D:\\pictures\\a.ico", {L"アイコンファイルは指定できません。", L"  バカ ？！・・・"}},
      {L"D:\\notes.txt", {L"アイコンがありません。", L"  バカ ？！・・・"}},
      {L"\"", {L"アイコンがありません。", L"  バカ ？！・・・"}},
  };
  for (const auto& [arguments, first] : cases) {
    SCOPED_TRACE(arguments);
    FakeForm fresh;
    MainWindow start{fresh.controls, fresh.platform};
    fresh.process.arguments = arguments;
    start.Form_Load();
    EXPECT_EQ(fresh.messages.shown, (std::vector<Message>{first, kNameAFile}));
    EXPECT_EQ(fresh.journal.back(), L"EndProgram 1");
    EXPECT_TRUE(fresh.files.written.empty());
  }
}

TEST_F(StartUpTest, ACloseRequestEndsTheProgram) {
  window.Form_QueryUnload();
  EXPECT_EQ(form.journal, Journal{L"EndProgram 0"});
}

// A script that passes tool.exe means the file in the folder it runs in.
TEST_F(StartUpTest, ARelativePathIsTakenFromTheFolderTheProgramStartedIn) {
  auto& module = form.sources.modules[L"D:\\work\\tool.exe"];
  module.AddGroup({1, {}}, testing::GroupDirectory({{16, 16, 16, 1, 4, 40, 1}}));
  module.AddIcon(1, testing::Image(40, 1));
  form.shellIcons.counts[L"D:\\work\\tool.exe"] = 1;
  form.paths.currentFolder = L"D:\\work\\";
  form.process.arguments = L"tool.exe";
  window.Form_Load();
  EXPECT_EQ(form.folderLabel.caption, L"D:\\work\\");
  EXPECT_EQ(form.files.written, std::vector<std::wstring>{L"C:\\Tools\\tool001.ico"});
  EXPECT_EQ(form.journal.back(), L"EndProgram 0");
}

}  // namespace
}  // namespace morvane
