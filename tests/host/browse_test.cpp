#include <gtest/gtest.h>

#include "app/main_window.h"
#include "browse/source_file_dialog.h"
#include "tests/host/fake_platform.h"
#include "tests/host/journal_steps.h"

namespace morvane {
namespace {

using testing::FakeForm;
using testing::Join;
const Journal& kDisable = testing::kDisableButtons;
const Journal& kEnable = testing::kEnableButtons;

const Journal kResetSource{L"Text1(1)=",       L"Label2(1)=",      L"AutoRedraw=on",
                           L"Picture=empty",   L"AutoRedraw=off",  L"Icons=none",
                           L"ListItems.Clear", L"ListImages.Clear"};

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
    form.shellIcons.counts[L"D:\\apps\\tool.exe"] = 2;
    form.shellIcons.counts[L"D:\\work\\other.dll"] = 3;
    window.LoadIconList(L"D:\\apps\\tool.exe");
    form.preview.selected = 2;
    window.ListView1_Click();
    form.journal.clear();
  }
  FakeForm form;
  MainWindow window{form.controls, form.platform};
};

TEST_F(BrowseButtons, AChosenFileIsLoadedAndRemembered) {
  form.fileDialog.chosen = L"D:\\work\\other.dll";
  window.Command1_Click(1);
  EXPECT_EQ(form.journal.front(), kDisable.front());
  EXPECT_EQ(form.journal.at(4), L"ShowOpen c:\\*.*");
  EXPECT_EQ(window.iconCount(), 3);
  EXPECT_EQ(form.sourceField.text, L"other.dll");
  EXPECT_EQ(Journal(form.journal.end() - 4, form.journal.end()), kEnable);

  form.journal.clear();
  form.fileDialog.chosen.reset();
  window.Command1_Click(1);
  EXPECT_EQ(form.journal.at(4), L"ShowOpen D:\\work\\*.*");
}

TEST_F(BrowseButtons, ACancelEmptiesTheSourceButKeepsCountAndCounter) {
  window.Command1_Click(1);
  EXPECT_EQ(form.journal, Join({kDisable, {L"ShowOpen c:\\*.*"}, kResetSource, kEnable}));
  EXPECT_EQ(window.iconCount(), 2);
  EXPECT_EQ(form.counterLabel.caption, L"Icon No．： 2/2");
  EXPECT_EQ(form.preview.items, 0);
  EXPECT_EQ(form.preview.canvas, L"");
}

TEST_F(BrowseButtons, ARefusedIconFileLeavesThePreviewAndEnablesTheButtons) {
  form.fileDialog.chosen = L"D:\\pictures\\a.ico";
  window.Command1_Click(1);
  EXPECT_EQ(form.messages.shown.at(0).text, L"アイコンファイルは指定できません。");
  EXPECT_EQ(form.sourceField.text, L"tool.exe");
  EXPECT_EQ(Join({kDisable, {L"ShowOpen c:\\*.*"}, kEnable}), form.journal);
}

TEST_F(BrowseButtons, AFailureInsideTheLoaderIsSwallowedAndTheButtonsComeBack) {
  form.fileDialog.chosen = L"D:\\broken.exe";
  form.shellIcons.failingPath = L"D:\\broken.exe";
  window.Command1_Click(1);
  EXPECT_EQ(Journal(form.journal.end() - 4, form.journal.end()), kEnable);
  EXPECT_TRUE(form.messages.shown.empty());
  EXPECT_FALSE(form.cursor.states.back());  // the pointer no longer waits
}

TEST_F(BrowseButtons, TheFolderBrowserStartsAtDriveCAndFillsTheDestination) {
  form.destinationField.text = L"E:\\earlier\\";
  form.folderBrowser.chosen = L"D:\\out";
  window.Command1_Click(0);
  EXPECT_EQ(form.journal,
            Join({kDisable,
                  {L"Browse 保存先フォルダの選択 C:\\", L"Text1(0)=D:\\out", L"Text1(0)=D:\\out\\"},
                  kEnable}));
  form.folderBrowser.chosen = L"D:\\";
  window.Command1_Click(0);
  EXPECT_EQ(form.destinationField.text, L"D:\\");
}

TEST_F(BrowseButtons, CancellingTheFolderBrowserEmptiesTheDestination) {
  form.destinationField.text = L"E:\\earlier\\";
  window.Command1_Click(0);
  EXPECT_EQ(form.destinationField.text, L"");
  EXPECT_EQ(Journal(form.journal.end() - 4, form.journal.end()), kEnable);
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
  MainWindow window{form.controls, form.platform};
  form.shellIcons.counts[L"D:\\a.exe"] = 4;
  const DragState files{kLeftButton, 0, DragNotification::Over, true};

  EXPECT_EQ(window.Text1_OLEDragOver(0, files), std::nullopt);
  window.Text1_OLEDragDrop(0, {L"D:\\a.exe"});
  EXPECT_TRUE(form.journal.empty());

  EXPECT_EQ(window.Text1_OLEDragOver(1, files), DropEffect::Copy);
  window.Text1_OLEDragDrop(1, {L"D:\\a.exe", L"D:\\b.exe"});
  EXPECT_EQ(form.shellIcons.counted, std::vector<std::wstring>{L"D:\\a.exe"});

  window.ListView1_OLEDragDrop({});  // an empty list does nothing
  EXPECT_EQ(form.shellIcons.counted.size(), 1u);
  window.ListView1_OLEDragDrop({L"D:\\b.exe", L"D:\\a.exe"});
  EXPECT_EQ(form.shellIcons.counted.back(), L"D:\\b.exe");

  // A load that fails midway is told, and the window goes on.
  form.shellIcons.failingPath = L"D:\\a.exe";
  window.ListView1_OLEDragDrop({L"D:\\a.exe"});
  const Message cannotLoad{L"アイコンを読み込めませんでした。", L"  ゴメン ？！・・・"};
  EXPECT_EQ(form.messages.shown.back(), cannotLoad);
  EXPECT_FALSE(form.cursor.states.back());
}

}  // namespace
}  // namespace morvane
