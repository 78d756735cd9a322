#include <gtest/gtest.h>

#include "browse/source_file_dialog.h"
#include "tests/host/fake_platform.h"

namespace morvane {
namespace {

using testing::FakeForm;

TEST(InitialFileName, StartsAtDriveCThenInTheFolderOfTheLastFile) {
  EXPECT_EQ(InitialFileName(L""), L"c:\\*.*");
  EXPECT_EQ(InitialFileName(L"D:\\work\\tool.exe"), L"D:\\work\\*.*");
  EXPECT_EQ(InitialFileName(L"c:\\"), L"c:\\*.*");
  EXPECT_EQ(InitialFileName(L"c:\\*.*"), L"c:\\*.*");
  EXPECT_EQ(InitialFileName(L"tool.exe"), L"tool.exe*.*");  // no folder: the name stays whole
}

// A window with D:\apps\tool.exe loaded: two icons, the second one shown.
class BrowseButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    form.shell.counts[L"D:\\apps\\tool.exe"] = 2;
    form.shell.counts[L"D:\\work\\other.dll"] = 3;
    form.window.LoadSource(L"D:\\apps\\tool.exe");
    form.list.selected = 2;
    form.window.ListView1_Click();
    form.journal.clear();
  }
  // Every click of a browse button ends with the window idle, the focus in the destination.
  void ExpectIdle() {
    EXPECT_TRUE(form.ButtonsEnabled());
    EXPECT_EQ(form.journal.back(), L"Text1(0).Focus");
  }
  FakeForm form;
};

TEST_F(BrowseButtons, AChosenFileIsLoadedAndRemembered) {
  form.fileDialog.chosen = L"D:\\work\\other.dll";
  form.window.Command1_Click(1);
  EXPECT_EQ(form.journal.front(), L"cmdMake.Disabled");  // busy before the dialog
  EXPECT_EQ(form.window.iconCount(), 3);
  EXPECT_EQ(form.sourceField.text, L"other.dll");
  ExpectIdle();

  form.fileDialog.chosen.reset();
  form.window.Command1_Click(1);
  EXPECT_EQ(form.fileDialog.opened, (std::vector<std::wstring>{L"c:\\*.*", L"D:\\work\\*.*"}));
}

TEST_F(BrowseButtons, ACancelEmptiesTheSourceButKeepsCountAndCounter) {
  form.window.Command1_Click(1);
  EXPECT_EQ(form.sourceField.text, L"");
  EXPECT_EQ(form.folderLabel.caption, L"");
  EXPECT_EQ(form.list.items, 0);
  EXPECT_FALSE(form.list.attached);
  EXPECT_EQ(form.pictures.canvas, L"");
  EXPECT_FALSE(form.pictures.keeping);
  EXPECT_EQ(form.window.iconCount(), 2);
  EXPECT_EQ(form.counter.caption, L"Icon No．： 2/2");
  const auto& steps = form.journal;
  EXPECT_LT(std::find(steps.begin(), steps.end(), L"Icons=none"),
            std::find(steps.begin(), steps.end(), L"ListItems.Clear"));
  ExpectIdle();
}

TEST_F(BrowseButtons, ARefusedIconFileLeavesThePreviewAndEnablesTheButtons) {
  form.fileDialog.chosen = L"D:\\pictures\\a.ico";
  form.window.Command1_Click(1);
  EXPECT_EQ(form.messages.shown.at(0).text, L"アイコンファイルは指定できません。");
  EXPECT_EQ(form.sourceField.text, L"tool.exe");
  EXPECT_EQ(form.list.items, 2);
  ExpectIdle();
}

TEST_F(BrowseButtons, AFailureInsideTheLoaderIsSwallowedAndTheButtonsComeBack) {
  form.fileDialog.chosen = L"D:\\broken.exe";
  form.shell.failingPath = L"D:\\broken.exe";
  form.window.Command1_Click(1);
  EXPECT_TRUE(form.messages.shown.empty());
  EXPECT_FALSE(form.cursor.states.back());  // the pointer no longer waits
  ExpectIdle();
}

TEST_F(BrowseButtons, TheFolderBrowserStartsAtDriveCAndFillsTheDestination) {
  form.destinationField.text = L"E:\\earlier\\";
  form.folderBrowser.chosen = L"D:\\out";
  form.window.Command1_Click(0);
  EXPECT_EQ(form.folderBrowser.asked, std::vector<std::wstring>{L"保存先フォルダの選択 C:\\"});
  EXPECT_EQ(form.destinationField.text, L"D:\\out\\");
  ExpectIdle();
  form.folderBrowser.chosen = L"D:\\";
  form.window.Command1_Click(0);
  EXPECT_EQ(form.destinationField.text, L"D:\\");

  form.folderBrowser.chosen.reset();  // cancelled: the field is emptied
  form.window.Command1_Click(0);
  EXPECT_EQ(form.destinationField.text, L"");
  ExpectIdle();
}

TEST(DropEffectFor, CopiesOnlyAFileListDraggedWithTheLeftButtonAlone) {
  const DragState ok{kLeftButton, 0, DragNotification::Over, true};
  EXPECT_EQ(DropEffectFor(ok), DropEffect::Copy);
  DragState enter = ok;
  enter.notification = DragNotification::Enter;
  EXPECT_EQ(DropEffectFor(enter), DropEffect::Copy);

  struct Case {
    const char* what;
    DragState drag;
  };
  const Case refused[] = {
      {"right button", {kRightButton, 0, DragNotification::Over, true}},
      {"middle button", {kMiddleButton, 0, DragNotification::Over, true}},
      {"left and right", {kLeftButton | kRightButton, 0, DragNotification::Over, true}},
      {"no button", {0, 0, DragNotification::Over, true}},
      {"shift", {kLeftButton, kShiftKey, DragNotification::Over, true}},
      {"ctrl", {kLeftButton, kCtrlKey, DragNotification::Over, true}},
      {"alt", {kLeftButton, kAltKey, DragNotification::Over, true}},
      {"leaving", {kLeftButton, 0, DragNotification::Leave, true}},
      {"text, not files", {kLeftButton, 0, DragNotification::Over, false}},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DropEffectFor(c.drag), DropEffect::None);
  }
}

TEST(Drops, TheFirstFileGoesToTheLoaderAndTheDestinationFieldTakesNone) {
  FakeForm form;
  form.shell.counts[L"D:\\a.exe"] = 4;
  const DragState files{kLeftButton, 0, DragNotification::Over, true};

  EXPECT_EQ(form.window.Text1_OLEDragOver(0, files), std::nullopt);
  form.window.Text1_OLEDragDrop(0, {L"D:\\a.exe"});
  EXPECT_TRUE(form.journal.empty());

  EXPECT_EQ(form.window.Text1_OLEDragOver(1, files), DropEffect::Copy);
  form.window.Text1_OLEDragDrop(1, {L"D:\\a.exe", L"D:\\b.exe"});
  EXPECT_EQ(form.shell.counted, std::vector<std::wstring>{L"D:\\a.exe"});

  form.window.ListView1_OLEDragDrop({});  // an empty list does nothing
  EXPECT_EQ(form.shell.counted.size(), 1u);
  form.window.ListView1_OLEDragDrop({L"D:\\b.exe", L"D:\\a.exe"});
  EXPECT_EQ(form.shell.counted.back(), L"D:\\b.exe");

  // A load that fails midway is told, and the window goes on.
  form.shell.failingPath = L"D:\\a.exe";
  form.window.ListView1_OLEDragDrop({L"D:\\a.exe"});
  const Message cannotLoad{L"アイコンを読み込めませんでした。", L"  ゴメン ？！・・・"};
  EXPECT_EQ(form.messages.shown.back(), cannotLoad);
  EXPECT_FALSE(form.cursor.states.back());
}

}  // namespace
}  // namespace morvane
