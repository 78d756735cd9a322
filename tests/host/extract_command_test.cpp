#include <gtest/gtest.h>

#include <algorithm>

#include "app/busy_state.h"
#include "app/destination_field.h"
#include "tests/common/icon_bytes.h"
#include "tests/host/fake_platform.h"

namespace morvane {
namespace {

using testing::FakeForm;
using testing::Journal;

const Message kNameAFile{L"ファイルを指定してください。", L"  バカ ？！・・・"};

// A module of `count` icon groups at `path`, each of one image, which the shell counts.
void AddModule(FakeForm& form, const std::wstring& path, int count) {
  auto& module = form.sources.modules[path];
  for (int number = 1; number <= count; ++number) {
    const auto id = static_cast<std::uint16_t>(number);
    module.AddGroup({id, {}}, testing::GroupDirectory({{16, 16, 16, 1, 4, 40, id}}));
    module.AddIcon(id, testing::Image(40, static_cast<std::uint8_t>(id)));
  }
  form.shell.counts[path] = static_cast<unsigned>(count);
}

// The window after every command: idle, with the focus in the destination field.
void ExpectIdle(const FakeForm& form) {
  EXPECT_TRUE(form.ButtonsEnabled());
  EXPECT_EQ(form.extractButton.caption, L"抽出");
  EXPECT_EQ(form.journal.back(), L"Text1(0).Focus");
  EXPECT_FALSE(form.cursor.states.empty() || form.cursor.states.back());
}

// A loaded source file D:\apps\tool.exe with three icon groups.
class ExtractCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddModule(form, L"D:\\apps\\tool.exe", 3);
    form.window.LoadSource(L"D:\\apps\\tool.exe");
    form.journal.clear();
  }
  RunOutcome Click() { return form.window.cmdMake_Click(); }
  // All 200 groups of D:\apps\long.exe into E:\out\, each file taking 1/64 s.
  void PrepareLongRun() {
    AddModule(form, L"D:\\apps\\long.exe", 200);
    form.window.LoadSource(L"D:\\apps\\long.exe");
    form.allIcons.checked = true;
    form.destinationField.text = L"E:\\out\\";
    form.process.tick = 1.0 / 64;
  }

  FakeForm form;
};

// The destination is filled before anything is written, and the buttons are disabled before
// the first file: the busy state comes before any work.
TEST_F(ExtractCommandTest, AllIconsIntoTheProgramFolderWhenNoDestinationIsSet) {
  form.allIcons.checked = true;
  EXPECT_EQ(Click(), RunOutcome::Written);
  EXPECT_EQ(form.files.written,
            (std::vector<std::wstring>{L"C:\\Tools\\tool001.ico", L"C:\\Tools\\tool002.ico",
                                       L"C:\\Tools\\tool003.ico"}));
  EXPECT_EQ(form.destinationField.text, L"C:\\Tools\\");
  const Journal& steps = form.journal;
  const auto at = [&steps](const wchar_t* step) {
    return std::find(steps.begin(), steps.end(), step) - steps.begin();
  };
  EXPECT_LT(at(L"Text1(0)=C:\\Tools\\"), at(L"cmdMake.Disabled"));
  EXPECT_LT(at(L"cmdMake.Disabled"), at(L"cmdMake=抽出中"));
  EXPECT_LT(at(L"cmdMake=抽出中"), at(L"Write C:\\Tools\\tool001.ico"));
  EXPECT_TRUE(form.messages.shown.empty());
  EXPECT_EQ(form.process.inputDrops, 1);  // what the user did meanwhile is not run
  ExpectIdle(form);
}

// A run that lasts tells how far it has come once it has run for a second, and lets the
// window answer other programs between files; the runs above, shorter, show neither.
TEST_F(ExtractCommandTest, ALongRunShowsHowFarItHasCome) {
  PrepareLongRun();
  form.journal.clear();
  Click();

  std::vector<int> percents;
  for (const std::wstring& step : form.journal) {
    if (step.rfind(L"cmdMake=抽出中 ", 0) == 0) percents.push_back(std::stoi(step.substr(12)));
  }
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.front(), 32);  // file 64 of 200, one second in
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_GE(form.process.answers, 31);  // at least every tenth of a second
  EXPECT_EQ(form.files.written.size(), 200u);
  ExpectIdle(form);
}

// Between two files, Esc stops a run and a close request ends the program: no file is written
// after it, no message is shown, and a drag or a menu meanwhile is refused.
TEST_F(ExtractCommandTest, EscStopsARunAndACloseEndsTheProgramBetweenTwoFiles) {
  PrepareLongRun();
  for (const bool close : {false, true}) {
    SCOPED_TRACE(close ? "close" : "Esc");
    std::size_t writtenBefore = 0;
    const DragState drag{kLeftButton, 0, DragNotification::Over, true};
    form.process.meanwhile = [&] {
      writtenBefore = form.files.written.size();
      EXPECT_EQ(form.window.ListView1_OLEDragOver(drag), DropEffect::None);
      EXPECT_FALSE(form.window.ListView1_MenuLines());
      form.window.ListView1_OLEDragDrop({L"D:\\other.dll"});  // ignored while busy
      if (!close) return Interruption::Stop;
      form.window.Form_QueryUnload();
      return Interruption::None;
    };
    EXPECT_EQ(Click(), RunOutcome::Stopped);
    EXPECT_GT(writtenBefore, 0u);
    EXPECT_EQ(form.files.written.size(), writtenBefore);
    EXPECT_TRUE(form.messages.shown.empty());
    EXPECT_EQ(form.sourceField.text, L"long.exe");
    EXPECT_EQ(form.process.ended, close ? std::optional<int>(1) : std::nullopt);
    ExpectIdle(form);
    EXPECT_EQ(form.window.ListView1_OLEDragOver(drag), DropEffect::Copy);  // idle again
    form.files.written.clear();
  }
}

TEST_F(ExtractCommandTest, TheSelectedIconIntoTheFolderTyped) {
  form.destinationField.text = L"E:\\typed";  // a folder, typed without its backslash
  form.list.selected = 2;
  EXPECT_EQ(Click(), RunOutcome::Written);
  EXPECT_EQ(form.files.written, std::vector<std::wstring>{L"E:\\typed\\tool002.ico"});
  EXPECT_EQ(form.destinationField.text, L"E:\\typed");  // left as typed
  ExpectIdle(form);
}

TEST_F(ExtractCommandTest, NoSourceFileAsksForOneAndOnlyEnables) {
  form.sourceField.text.clear();
  EXPECT_EQ(Click(), RunOutcome::Failed);
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kNameAFile});
  EXPECT_EQ(std::count(form.journal.begin(), form.journal.end(), L"cmdMake.Disabled"), 0);
  EXPECT_EQ(form.destinationField.text, L"");
  EXPECT_TRUE(form.files.written.empty());
  EXPECT_TRUE(form.ButtonsEnabled());
  EXPECT_EQ(form.journal.back(), L"Text1(0).Focus");
}

// A failure inside the run is shown while the window is busy, and the window recovers.
TEST_F(ExtractCommandTest, FailuresInsideTheRunAreShownWhileBusy) {
  form.destinationField.text = L"E:\\out\\";
  form.list.selected.reset();
  EXPECT_EQ(Click(), RunOutcome::Failed);  // one icon, and none selected
  form.allIcons.checked = true;
  form.sources.modules.clear();  // the file went away after it was listed
  EXPECT_EQ(Click(), RunOutcome::Failed);
  EXPECT_EQ(form.messages.shown,
            (std::vector<Message>{{L"アイコンを選択してください。", L"  バカ ？！・・・"},
                                  {L"LoadLibraryEx Error !!", L"Morvane"}}));
  for (const wchar_t* message :
       {L"Message アイコンを選択してください。", L"Message LoadLibraryEx Error !!"}) {
    const auto shown = std::find(form.journal.begin(), form.journal.end(), message);
    EXPECT_EQ(*std::find_if(std::make_reverse_iterator(shown), form.journal.rend(),
                            [](const std::wstring& s) { return s.rfind(L"cmdMake", 0) == 0; }),
              L"cmdMake=抽出中");
  }
  EXPECT_TRUE(form.files.written.empty());
  ExpectIdle(form);
}

TEST_F(ExtractCommandTest, AllIconsOfAFileWithNoneStillOpensTheModule) {
  form.destinationField.text = L"E:\\out\\";
  form.allIcons.checked = true;
  form.sources.modules[L"D:\\plain.txt"];    // a module without icon groups
  form.window.LoadSource(L"D:\\plain.txt");  // no icons: iconCount 0, fields emptied
  form.sourceField.text = L"plain.txt";      // typed back by hand
  form.folderLabel.caption = L"D:\\";
  form.messages.shown.clear();

  EXPECT_EQ(Click(), RunOutcome::Failed);
  EXPECT_EQ(form.sources.opened.back(), L"D:\\plain.txt");
  const Message cannotExtract{L"アイコンが抽出できません。", L"  ゴメン ？！・・・"};
  EXPECT_EQ(form.messages.shown, std::vector<Message>{cannotExtract});
  EXPECT_TRUE(form.files.written.empty());
}

TEST(SetDestinationFolder, EndsTheFieldInOneBackslash) {
  for (const auto& [given, field] :
       {std::pair{L"D:\\out", L"D:\\out\\"}, std::pair{L"D:\\", L"D:\\"},
        std::pair{L"D:\\out\\", L"D:\\out\\"}, std::pair{L"", L"\\"},
        std::pair{L"D:\\out\\\\", L"D:\\out\\\\"}, std::pair{L"D:/out/", L"D:/out/\\"}}) {
    SCOPED_TRACE(given);
    ValueTextBox box;
    SetDestinationFolder(box, given);
    EXPECT_EQ(box.text, field);
  }
}

TEST(SetControlsEnabled, SwitchesTheThreeButtonsTogetherAndFocusesTheDestination) {
  FakeForm form;
  SetControlsEnabled(form.form, false);
  EXPECT_FALSE(form.extractButton.enabled || form.destinationBrowse.enabled ||
               form.sourceBrowse.enabled);
  EXPECT_EQ(form.journal.back(), L"Text1(0).Focus");
  SetControlsEnabled(form.form, true);
  EXPECT_TRUE(form.ButtonsEnabled());
}

TEST(StartUp, WithoutArgumentsTheWindowJustOpens) {
  FakeForm form;
  form.window.Form_Load();
  EXPECT_TRUE(form.journal.empty());
  EXPECT_FALSE(form.allIcons.checked);
  EXPECT_FALSE(form.process.ended);
}

// A quoted path, and a relative one against the folder the program started in: all its icons
// into the program's folder, as a shown window would load them, and the end with exit code 0.
TEST(StartUp, AFileWritesAllItsIconsIntoTheProgramFolderAndEnds) {
  for (const auto& [arguments, path] :
       {std::pair{L"\"D:\\my apps\\tool.exe\"", L"D:\\my apps\\tool.exe"},
        std::pair{L"tool.exe", L"C:\\Start\\tool.exe"}}) {
    SCOPED_TRACE(arguments);
    FakeForm form;
    AddModule(form, path, 2);
    form.process.arguments = arguments;
    form.window.Form_Load();

    EXPECT_TRUE(form.allIcons.checked);
    EXPECT_EQ(form.files.written,
              (std::vector<std::wstring>{L"C:\\Tools\\tool001.ico", L"C:\\Tools\\tool002.ico"}));
    EXPECT_EQ(form.process.ended, 0);
    EXPECT_TRUE(form.messages.shown.empty());

    FakeForm shown;
    AddModule(shown, path, 2);
    shown.window.LoadSource(path);
    EXPECT_EQ(form.window.iconCount(), shown.window.iconCount());
    EXPECT_EQ(form.sourceField.text, shown.sourceField.text);
    EXPECT_EQ(form.folderLabel.caption, shown.folderLabel.caption);
    EXPECT_EQ(form.counter.caption, shown.counter.caption);
  }
}

TEST(StartUp, UnusableFilesShowBothMessagesInOrderThenEndWithOne) {
  const std::pair<const wchar_t*, Message> cases[] = {
      {L"D:\\pictures\\a.ico", {L"アイコンファイルは指定できません。", L"  バカ ？！・・・"}},
      {L"D:\\notes.txt",
       {L"アイコンがありません。\nD:\\notes.txt\n" + texts::kNoShellIcons, L"  バカ ？！・・・"}},
      {L"\"", {L"アイコンがありません。\n" + texts::kFileMissing, L"  バカ ？！・・・"}},
  };
  for (const auto& [arguments, first] : cases) {
    SCOPED_TRACE(arguments);
    FakeForm form;
    form.process.arguments = arguments;
    form.window.Form_Load();
    EXPECT_EQ(form.messages.shown, (std::vector<Message>{first, kNameAFile}));
    EXPECT_EQ(form.process.ended, 1);
    EXPECT_TRUE(form.files.written.empty());
  }
}

TEST(StartUp, ACloseRequestEndsTheProgram) {
  FakeForm form;
  form.window.Form_QueryUnload();
  EXPECT_EQ(form.process.ended, 0);
}

}  // namespace
}  // namespace morvane
