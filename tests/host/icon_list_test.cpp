#include <gtest/gtest.h>

#include "preview/icon_list.h"
#include "tests/host/fake_platform.h"

namespace morvane {
namespace {

using testing::FakeForm;

const Message kRefused{L"アイコンファイルは指定できません。", L"  バカ ？！・・・"};
const Message kNoIcons{L"アイコンがありません。", L"  バカ ？！・・・"};
const Journal kReset{L"Text1(1)=",  L"Label2(1)=",      L"AutoRedraw=on",   L"Picture=empty",
                     L"Icons=none", L"ListItems.Clear", L"ListImages.Clear"};

class LoadIconListTest : public ::testing::Test {
 protected:
  void Load(const std::wstring& path) {
    LoadIconList(form.controls, form.platform, iconCount, path);
  }

  // Whatever was written to the journal since the last call.
  Journal TakeJournal() { return std::exchange(form.journal, {}); }

  // What the list shows: item n's text and picture, for every item.
  std::vector<std::wstring> ShownItems() const {
    std::vector<std::wstring> shown;
    for (int n = 1; n <= form.preview.items; ++n) {
      shown.push_back(form.preview.ItemText(n) + L" " + form.preview.Picture(n));
    }
    return shown;
  }

  FakeForm form;
  int iconCount = 0;
};

// The load ends with the count: the list asks for the pictures as it shows them.
TEST_F(LoadIconListTest, LoadsEveryIconAsANumberedItem) {
  form.shellIcons.counts[L"D:\\apps\\tool.exe"] = 3;
  Load(L"D:\\apps\\tool.exe");

  Journal expected = kReset;
  expected.insert(expected.end(),
                  {L"Text1(1)=tool.exe", L"Label2(1)=D:\\apps\\", L"Label3 fits Icon No．： 3/3",
                   L"ListImages D:\\apps\\tool.exe 3", L"Icons=ImageList1", L"ListItems 3",
                   L"Select 1", L"Picture=image 1", L"Label3=Icon No．： 1/3", L"AutoRedraw=off"});
  EXPECT_EQ(TakeJournal(), expected);

  EXPECT_EQ(iconCount, 3);
  EXPECT_TRUE(form.messages.shown.empty());
  EXPECT_EQ(ShownItems(),
            (std::vector<std::wstring>{L"1 D:\\apps\\tool.exe#0", L"2 D:\\apps\\tool.exe#1",
                                       L"3 D:\\apps\\tool.exe#2"}));
  EXPECT_EQ(form.preview.selected, 1);
  EXPECT_EQ(form.preview.canvas, L"D:\\apps\\tool.exe#0");
  EXPECT_EQ(form.cursor.states, (std::vector<bool>{true, false}));
}

TEST_F(LoadIconListTest, RefusesIconFilesWithoutTouchingAnything) {
  form.shellIcons.counts[L"C:\\a.exe"] = 2;
  Load(L"C:\\a.exe");
  TakeJournal();
  for (const wchar_t* path : {L"C:\\x.ico", L"C:\\x.ICO", L"C:\\x.Ico", L".iCo"}) {
    SCOPED_TRACE(path);
    form.messages.shown.clear();
    Load(path);
    EXPECT_EQ(form.messages.shown, std::vector<Message>{kRefused});
    EXPECT_TRUE(TakeJournal().empty());
    EXPECT_EQ(iconCount, 2);
    EXPECT_EQ(form.sourceField.text, L"a.exe");
    EXPECT_EQ(form.preview.items, 2);
    EXPECT_TRUE(form.shellIcons.counted.size() == 1);
    EXPECT_EQ(form.cursor.states.size(), 2u);  // only the first load waited
  }
}

TEST_F(LoadIconListTest, NamesThatOnlyLookLikeIconFilesAreLoaded) {
  for (const wchar_t* path : {L"C:\\ico", L"ico", L"C:\\x.icon", L"C:\\x.ico.exe"}) {
    SCOPED_TRACE(path);
    form.messages.shown.clear();
    Load(path);
    EXPECT_EQ(form.messages.shown, std::vector<Message>{kNoIcons});  // counted, found none
    EXPECT_EQ(form.shellIcons.counted.back(), path);
  }
}

TEST_F(LoadIconListTest, AShortPathIsLoadedUnderItsLongForm) {
  form.paths.longNames[L"C:\\PROGRA~1\\TOOL\\TOOL.EXE"] = L"C:\\Program Files\\Tool\\tool.exe";
  form.shellIcons.counts[L"C:\\Program Files\\Tool\\tool.exe"] = 1;
  Load(L"C:\\PROGRA~1\\TOOL\\TOOL.EXE");
  EXPECT_EQ(form.sourceField.text, L"tool.exe");
  EXPECT_EQ(form.folderLabel.caption, L"C:\\Program Files\\Tool\\");
  EXPECT_EQ(iconCount, 1);
}

TEST_F(LoadIconListTest, AShortPathWithoutLongFormBecomesEmpty) {
  form.shellIcons.counts[L"C:\\GONE~1.EXE"] = 4;  // never asked: the path is emptied first
  Load(L"C:\\GONE~1.EXE");
  EXPECT_EQ(form.shellIcons.counted, std::vector<std::wstring>{L""});
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kNoIcons});
  EXPECT_EQ(form.sourceField.text, L"");
  EXPECT_EQ(form.folderLabel.caption, L"");
}

TEST_F(LoadIconListTest, OnlyPathsWithATildeAskForTheLongForm) {
  Load(L"C:\\tool.exe");
  EXPECT_TRUE(form.paths.asked.empty());
}

TEST_F(LoadIconListTest, SplitsAtTheLastBackslashOnly) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
    const wchar_t* name;
  };
  for (const Case& c : {Case{L"tool.exe", L"", L"tool.exe"}, Case{L"C:\\dir\\", L"C:\\dir\\", L""},
                        Case{L"C:\\a\\b/c.exe", L"C:\\a\\", L"b/c.exe"},
                        Case{L"\\\\server\\share\\x.dll", L"\\\\server\\share\\", L"x.dll"}}) {
    SCOPED_TRACE(c.path);
    form.shellIcons.counts[c.path] = 1;
    Load(c.path);
    EXPECT_EQ(form.folderLabel.caption, c.folder);
    EXPECT_EQ(form.sourceField.text, c.name);
    EXPECT_EQ(form.shellIcons.counted.back(), c.path);  // folder + name is the path again
  }
}

TEST_F(LoadIconListTest, AFileWithoutIconsEmptiesThePreviewButKeepsTheCounter) {
  form.shellIcons.counts[L"C:\\a.exe"] = 2;
  Load(L"C:\\a.exe");
  TakeJournal();

  Load(L"C:\\plain.txt");

  Journal expected = kReset;
  expected.push_back(L"AutoRedraw=off");
  EXPECT_EQ(TakeJournal(), expected);
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kNoIcons});
  EXPECT_EQ(iconCount, 0);
  EXPECT_TRUE(ShownItems().empty());
  EXPECT_TRUE(form.preview.iconFile.empty());
  EXPECT_FALSE(form.preview.attached);
  EXPECT_EQ(form.counterLabel.caption, L"Icon No．： 1/2");
}

TEST_F(LoadIconListTest, ASecondFileReplacesTheFirst) {
  form.shellIcons.counts[L"C:\\a.exe"] = 5;
  form.shellIcons.counts[L"C:\\b.dll"] = 2;
  Load(L"C:\\a.exe");
  form.preview.selected = 4;
  Load(L"C:\\b.dll");
  EXPECT_EQ(ShownItems(), (std::vector<std::wstring>{L"1 C:\\b.dll#0", L"2 C:\\b.dll#1"}));
  EXPECT_EQ(form.preview.selected, 1);
  EXPECT_EQ(form.counterLabel.caption, L"Icon No．： 1/2");
  EXPECT_EQ(form.sourceField.text, L"b.dll");
}

TEST_F(LoadIconListTest, IconsOfAModuleWithoutGroupsAreShownFromItsMunFile) {
  const std::wstring mun = L"C:\\Windows\\SystemResources\\shell32.dll.mun";
  form.sources.modules[L"C:\\Windows\\System32\\shell32.dll"];  // a module, no groups
  form.paths.existing.insert(mun);
  form.shellIcons.counts[mun] = 2;
  Load(L"C:\\Windows\\System32\\shell32.dll");

  EXPECT_EQ(form.shellIcons.counted, std::vector<std::wstring>{mun});
  // Each file opened once, and neither kept open.
  EXPECT_EQ(form.sources.opened,
            (std::vector<std::wstring>{L"C:\\Windows\\System32\\shell32.dll", mun}));
  EXPECT_EQ(iconCount, 2);
  EXPECT_EQ(ShownItems(), (std::vector<std::wstring>{L"1 " + mun + L"#0", L"2 " + mun + L"#1"}));
  EXPECT_EQ(form.sourceField.text, L"shell32.dll");  // the fields keep the file named
  EXPECT_EQ(form.folderLabel.caption, L"C:\\Windows\\System32\\");
  EXPECT_EQ(form.sources.live, 0);
}

// Whether the shell's reader would leave the file is judged on the one mapping of the load.
TEST_F(LoadIconListTest, AModuleTheShellWouldLeaveHasNoIconsToIt) {
  form.sources.modules[L"C:\\bad.dll"];
  form.sources.unreadable.insert(L"C:\\bad.dll");
  form.shellIcons.counts[L"C:\\bad.dll"] = 3;
  Load(L"C:\\bad.dll");
  EXPECT_TRUE(form.shellIcons.counted.empty());
  EXPECT_EQ(form.messages.shown, std::vector<Message>{kNoIcons});
  EXPECT_EQ(form.sources.opened, std::vector<std::wstring>{L"C:\\bad.dll"});
  EXPECT_EQ(form.sources.live, 0);
}

// Every icon the shell counts is listed: no count is held at 16 bits.
TEST_F(LoadIconListTest, CountsBeyondSixteenBitsAreWhole) {
  for (unsigned count : {32768u, 40000u, 2147483647u, 4000000000u}) {
    SCOPED_TRACE(count);
    form.shellIcons.counts[L"C:\\huge.dll"] = count;
    Load(L"C:\\huge.dll");
    const int whole = static_cast<int>(std::min(count, 2147483647u));
    EXPECT_EQ(iconCount, whole);
    EXPECT_EQ(form.preview.items, whole);
    EXPECT_EQ(form.preview.Picture(whole), L"C:\\huge.dll#" + std::to_wstring(whole - 1));
    EXPECT_EQ(form.counterLabel.caption, L"Icon No．： 1/" + std::to_wstring(whole));
  }
}

TEST(ListView1Click, ShowsTheSelectedIconAndItsNumber) {
  FakeForm form;
  int count = 0;
  form.shellIcons.counts[L"C:\\a.exe"] = 120;
  LoadIconList(form.controls, form.platform, count, L"C:\\a.exe");
  form.journal.clear();

  form.preview.selected = 7;
  ListView1_Click(form.controls, count);
  EXPECT_EQ(form.journal, (Journal{L"AutoRedraw=on", L"Picture=image 7", L"AutoRedraw=off",
                                   L"Label3=Icon No．： 7/120"}));
  EXPECT_EQ(form.preview.canvas, L"C:\\a.exe#6");

  ListView1_Click(form.controls, count);  // the same item again: the same result
  EXPECT_EQ(form.counterLabel.caption, L"Icon No．： 7/120");
}

TEST(ListView1Click, DoesNothingWithoutASelectedItem) {
  FakeForm form;
  form.counterLabel.caption = L"Icon No．： 000/000";
  ListView1_Click(form.controls, 0);
  EXPECT_TRUE(form.journal.empty());
  EXPECT_EQ(form.counterLabel.caption, L"Icon No．： 000/000");
  EXPECT_TRUE(form.messages.shown.empty());
}

TEST(CounterText, IsNeverPadded) {
  EXPECT_EQ(CounterText(1, 3), L"Icon No．： 1/3");
  EXPECT_EQ(CounterText(5, 12), L"Icon No．： 5/12");
  EXPECT_EQ(CounterText(32767, 33000), L"Icon No．： 32767/33000");
}

}  // namespace
}  // namespace morvane
