#include <gtest/gtest.h>

#include <algorithm>

#include "app/caption_font.h"
#include "platform/window_scale.h"
#include "preview/counter_font.h"
#include "preview/icon_list.h"
#include "tests/host/fake_platform.h"

namespace morvane {
namespace {

using testing::FakeForm;

const Message kRefused{L"アイコンファイルは指定できません。", L"  バカ ？！・・・"};
// The message of a load that found no icons in `path`, and why.
Message NoIcons(const std::wstring& path, const std::wstring& cause = texts::kNoShellIcons) {
  return {L"アイコンがありません。\n" + (path.empty() ? L"" : path + L"\n") + cause,
          L"  バカ ？！・・・"};
}

// Whether `first` comes before `then` in the journal.
bool Before(const testing::Journal& journal, const std::wstring& first, const std::wstring& then) {
  const auto a = std::find(journal.begin(), journal.end(), first);
  const auto b = std::find(journal.begin(), journal.end(), then);
  return a != journal.end() && b != journal.end() && a < b;
}

class LoadIconListTest : public ::testing::Test {
 protected:
  void Load(const std::wstring& path) { form.window.LoadSource(path); }
  std::vector<std::wstring> ShownItems() {
    std::vector<std::wstring> shown;
    for (int n = 1; n <= form.list.items; ++n) shown.push_back(form.Shown(n));
    return shown;
  }

  FakeForm form;
};

// The load ends with the count: the list asks for the pictures as it shows them.
TEST_F(LoadIconListTest, LoadsEveryIconAsANumberedItem) {
  form.shell.counts[L"D:\\apps\\tool.exe"] = 3;
  Load(L"D:\\apps\\tool.exe");

  EXPECT_EQ(form.window.iconCount(), 3);
  EXPECT_TRUE(form.messages.shown.empty());
  EXPECT_EQ(form.sourceField.text, L"tool.exe");
  EXPECT_EQ(form.folderLabel.caption, L"D:\\apps\\");
  EXPECT_EQ(form.list.selected, 1);
  EXPECT_TRUE(form.list.attached);
  EXPECT_EQ(form.pictures.canvas, L"D:\\apps\\tool.exe#0");
  EXPECT_FALSE(form.pictures.keeping);  // what was drawn is shown
  EXPECT_EQ(form.counter.caption, L"Icon No．： 1/3");
  EXPECT_EQ(form.pictures.batches, 1);  // the canvas's: the list has shown nothing yet
  EXPECT_EQ(ShownItems(),
            (std::vector<std::wstring>{L"1 D:\\apps\\tool.exe#0", L"2 D:\\apps\\tool.exe#1",
                                       L"3 D:\\apps\\tool.exe#2"}));
  EXPECT_EQ(form.cursor.states, (std::vector<bool>{true, false}));
  // The list lets go of its pictures before its items go.
  EXPECT_TRUE(Before(form.journal, L"Icons=none", L"ListItems.Clear"));
}

TEST_F(LoadIconListTest, RefusesIconFilesWithoutTouchingAnything) {
  form.shell.counts[L"C:\\a.exe"] = 2;
  Load(L"C:\\a.exe");
  for (const wchar_t* path : {L"C:\\x.ico", L"C:\\x.ICO", L"C:\\x.Ico", L".iCo"}) {
    SCOPED_TRACE(path);
    form.messages.shown.clear();
    form.journal.clear();
    Load(path);
    EXPECT_EQ(form.messages.shown, std::vector<Message>{kRefused});
    EXPECT_EQ(form.journal, testing::Journal{L"Message アイコンファイルは指定できません。"});
    EXPECT_EQ(form.window.iconCount(), 2);
    EXPECT_EQ(form.sourceField.text, L"a.exe");
    EXPECT_EQ(form.list.items, 2);
    EXPECT_EQ(form.shell.counted.size(), 1u);
    EXPECT_EQ(form.cursor.states.size(), 2u);  // only the first load waited
  }
}

TEST_F(LoadIconListTest, NamesThatOnlyLookLikeIconFilesAreLoaded) {
  for (const wchar_t* path : {L"C:\\ico", L"ico", L"C:\\x.icon", L"C:\\x.ico.exe"}) {
    SCOPED_TRACE(path);
    form.messages.shown.clear();
    Load(path);
    EXPECT_EQ(form.messages.shown, std::vector<Message>{NoIcons(path)});  // counted, found none
    EXPECT_EQ(form.shell.counted.back(), path);
  }
}

// A short (8.3) path is loaded under its long form, or as an empty path without one; only a
// path with a tilde asks.
TEST_F(LoadIconListTest, AShortPathIsLoadedUnderItsLongForm) {
  form.paths.longNames[L"C:\\PROGRA~1\\TOOL\\TOOL.EXE"] = L"C:\\Program Files\\Tool\\tool.exe";
  form.shell.counts[L"C:\\Program Files\\Tool\\tool.exe"] = 1;
  Load(L"C:\\PROGRA~1\\TOOL\\TOOL.EXE");
  EXPECT_EQ(form.sourceField.text, L"tool.exe");
  EXPECT_EQ(form.folderLabel.caption, L"C:\\Program Files\\Tool\\");
  EXPECT_EQ(form.window.iconCount(), 1);

  form.shell.counts[L"C:\\GONE~1.EXE"] = 4;  // never asked: the path is emptied first
  Load(L"C:\\GONE~1.EXE");
  EXPECT_EQ(form.shell.counted.back(), L"");
  EXPECT_EQ(form.messages.shown,
            std::vector<Message>{NoIcons(L"C:\\GONE~1.EXE", texts::kFileMissing)});
  EXPECT_EQ(form.sourceField.text, L"");
  EXPECT_EQ(form.folderLabel.caption, L"");

  Load(L"C:\\tool.exe");
  EXPECT_EQ(form.paths.asked.size(), 2u);
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
    form.shell.counts[c.path] = 1;
    Load(c.path);
    EXPECT_EQ(form.folderLabel.caption, c.folder);
    EXPECT_EQ(form.sourceField.text, c.name);
    EXPECT_EQ(form.shell.counted.back(), c.path);  // folder + name is the path again
  }
}

TEST_F(LoadIconListTest, AFileWithoutIconsEmptiesThePreviewButKeepsTheCounter) {
  form.shell.counts[L"C:\\a.exe"] = 2;
  Load(L"C:\\a.exe");
  form.journal.clear();
  Load(L"C:\\plain.txt");

  EXPECT_EQ(form.messages.shown, std::vector<Message>{NoIcons(L"C:\\plain.txt")});
  EXPECT_EQ(form.window.iconCount(), 0);
  EXPECT_EQ(form.list.items, 0);
  EXPECT_FALSE(form.list.attached);
  EXPECT_EQ(form.sourceField.text, L"");
  EXPECT_EQ(form.folderLabel.caption, L"");
  EXPECT_EQ(form.pictures.canvas, L"");
  EXPECT_FALSE(form.pictures.keeping);
  EXPECT_EQ(form.counter.caption, L"Icon No．： 1/2");
  EXPECT_TRUE(Before(form.journal, L"Icons=none", L"ListItems.Clear"));
}

TEST_F(LoadIconListTest, ASecondFileReplacesTheFirst) {
  form.shell.counts[L"C:\\a.exe"] = 5;
  form.shell.counts[L"C:\\b.dll"] = 2;
  Load(L"C:\\a.exe");
  form.list.selected = 4;
  Load(L"C:\\b.dll");
  EXPECT_EQ(ShownItems(), (std::vector<std::wstring>{L"1 C:\\b.dll#0", L"2 C:\\b.dll#1"}));
  EXPECT_EQ(form.list.selected, 1);
  EXPECT_EQ(form.counter.caption, L"Icon No．： 1/2");
  EXPECT_EQ(form.sourceField.text, L"b.dll");
}

TEST_F(LoadIconListTest, IconsOfAModuleWithoutGroupsAreShownFromItsMunFile) {
  const std::wstring mun = L"C:\\Windows\\SystemResources\\shell32.dll.mun";
  form.sources.modules[L"C:\\Windows\\System32\\shell32.dll"];  // a module, no groups
  form.paths.existing.insert(mun);
  form.shell.counts[mun] = 2;
  Load(L"C:\\Windows\\System32\\shell32.dll");

  EXPECT_EQ(form.shell.counted, std::vector<std::wstring>{mun});
  EXPECT_EQ(form.window.iconCount(), 2);
  EXPECT_EQ(ShownItems(), (std::vector<std::wstring>{L"1 " + mun + L"#0", L"2 " + mun + L"#1"}));
  EXPECT_EQ(form.sourceField.text, L"shell32.dll");  // the fields keep the file named
  EXPECT_EQ(form.folderLabel.caption, L"C:\\Windows\\System32\\");
  EXPECT_EQ(form.sources.live, 0);  // nothing is kept open
}

// A load that finds no icons tells why, below the path as the user gave it.
TEST_F(LoadIconListTest, ALoadWithoutIconsSaysWhy) {
  const std::wstring tooLong = L"C:\\" + std::wstring(252, L'a') + L".dll";  // 259: the most
  const struct {
    const char* what;
    std::wstring path;
    SystemError error;  // of opening it
    std::wstring cause;
  } cases[] = {
      {"a missing file", L"C:\\gone.dll", {2, L"Not found.\r\n"}, texts::kFileMissing},
      {"a missing folder", L"C:\\gone\\a.dll", {3, L"Not found.\r\n"}, texts::kFileMissing},
      {"a missing drive", L"Q:\\a.dll", {15, L"No drive.\r\n"}, texts::kFileMissing},
      {"a folder", L"C:\\Windows", {5, L"Access denied.\r\n"}, texts::kPathIsAFolder},
      {"a denied access",
       L"C:\\secret.dll",
       {5, L"Access denied.\r\n"},
       L"Access denied.（エラー 5）"},
      {"in use by another program", L"C:\\busy.dll", {32, L"In use.\r\n"}, L"In use.（エラー 32）"},
      {"too long for the system", L"C:\\a.dll", {206, L"Too long.\r\n"}, texts::kPathTooLong},
      {"too long for the shell", tooLong + L"x", {}, texts::kPathTooLong},
      {"as long as the shell takes", tooLong, {}, texts::kNoShellIcons},
      {"no icons the shell shows", L"C:\\notes.txt", {}, texts::kNoShellIcons},
      {"a relative path, as given", L"gone.dll", {2, L"Not found.\r\n"}, texts::kFileMissing},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::FakeForm fresh;
    fresh.paths.folders.insert(L"C:\\Windows");
    fresh.sources.errors[fresh.paths.FullPath(c.path)] = fresh.sources.errors[c.path] = c.error;
    fresh.window.LoadSource(c.path);
    EXPECT_EQ(fresh.messages.shown, std::vector<Message>{NoIcons(c.path, c.cause)});
    EXPECT_EQ(fresh.window.iconCount(), 0);
  }
}

// Whether the shell's reader would leave the file is judged on the one mapping of the load.
TEST_F(LoadIconListTest, AModuleTheShellWouldLeaveHasNoIconsToIt) {
  form.sources.modules[L"C:\\bad.dll"];
  form.sources.unreadable.insert(L"C:\\bad.dll");
  form.shell.counts[L"C:\\bad.dll"] = 3;
  Load(L"C:\\bad.dll");
  EXPECT_TRUE(form.shell.counted.empty());
  EXPECT_EQ(form.messages.shown, std::vector<Message>{NoIcons(L"C:\\bad.dll")});
  EXPECT_EQ(form.sources.opened, std::vector<std::wstring>{L"C:\\bad.dll"});
  EXPECT_EQ(form.sources.live, 0);
}

// Every icon the shell counts is listed: no count is held at 16 bits.
TEST_F(LoadIconListTest, CountsBeyondSixteenBitsAreWhole) {
  for (unsigned count : {32768u, 40000u, 2147483647u, 4000000000u}) {
    SCOPED_TRACE(count);
    form.shell.counts[L"C:\\huge.dll"] = count;
    Load(L"C:\\huge.dll");
    const int whole = static_cast<int>(std::min(count, 2147483647u));
    EXPECT_EQ(form.window.iconCount(), whole);
    EXPECT_EQ(form.list.items, whole);
    EXPECT_EQ(form.Shown(whole),
              std::to_wstring(whole) + L" C:\\huge.dll#" + std::to_wstring(whole - 1));
    EXPECT_EQ(form.counter.caption, L"Icon No．： 1/" + std::to_wstring(whole));
  }
}

TEST(ListView1Click, ShowsTheSelectedIconAndItsNumber) {
  FakeForm form;
  form.shell.counts[L"C:\\a.exe"] = 120;
  form.window.LoadSource(L"C:\\a.exe");
  form.list.selected = 7;
  form.window.ListView1_Click();
  EXPECT_EQ(form.pictures.canvas, L"C:\\a.exe#6");
  EXPECT_EQ(form.counter.caption, L"Icon No．： 7/120");
  form.window.ListView1_Click();  // the same item again: the same result
  EXPECT_EQ(form.counter.caption, L"Icon No．： 7/120");

  FakeForm empty;  // nothing selected: nothing changes
  empty.window.ListView1_Click();
  EXPECT_EQ(empty.counter.caption, L"Icon No．： 000/000");
  EXPECT_EQ(empty.pictures.canvas, L"");
  EXPECT_TRUE(empty.messages.shown.empty());
}

// Typing a number in the list: the first item from the start on whose number begins with it.
TEST(FindNumberedItem, FindsTheFirstNumberThatBeginsWithWhatWasTyped) {
  const struct {
    std::wstring typed;
    int count, start;
    bool wrap;
    std::optional<int> found;
  } cases[] = {
      {L"1", 33000, 1, true, 1},
      {L"12", 33000, 1, true, 12},
      {L"123", 33000, 1, true, 123},
      {L"1", 33000, 2, true, 10},
      {L"32999", 33000, 1, true, 32999},
      {L"4", 33000, 33000, true, 4},
      {L"4", 33000, 33000, false, std::nullopt},
      {L"9", 8, 1, true, std::nullopt},
      {L"0", 100, 1, true, std::nullopt},
      {L"x", 100, 1, true, std::nullopt},
      {L"", 100, 1, true, std::nullopt},
      {L"1", 0, 1, true, std::nullopt},
      {L"2", 30, 40, true, 2},
      {L"\uFF11\uFF12\uFF13", 33000, 1, true, 123},  // full width, as the IME types them
      {L"1\uFF12", 33000, 1, true, 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindNumberedItem(c.count, c.typed, c.start, c.wrap), c.found)
        << std::string(c.typed.begin(), c.typed.end()) << " from " << c.start;
  }
}

TEST(CounterText, IsNeverPadded) {
  EXPECT_EQ(CounterText(1, 3), L"Icon No．： 1/3");
  EXPECT_EQ(CounterText(5, 12), L"Icon No．： 5/12");
  EXPECT_EQ(CounterText(32767, 33000), L"Icon No．： 32767/33000");
}

// The designed height where every digit fits; else the largest below it; the widest digit, and
// not the digits the text holds, decides.
TEST(FitCounterFont, KeepsTheLargestHeightAtWhichAnyDigitsFit) {
  testing::FakeCounter counter;
  const std::wstring text = L"No 1/1";  // 6 characters; with 8s, 2 of them wide
  for (const auto& [width, height] :
       {std::pair{1000, 13}, std::pair{50, 13}, std::pair{49, 12}, std::pair{3, 1}}) {
    counter.room = {width, 13};
    FitCounterFont(counter, text);
    EXPECT_EQ(counter.fontHeight, height) << width;
  }
}

// Faces as their ink stands, each character a pixel narrower than the height: a tall one inks
// from a quarter of its height to a quarter below it, in a line box half as high again; any
// other inks its height from the line's top row.
class FakeFontMeasure final : public FontMeasure {
 public:
  LineInk Measure(const std::wstring& text, const UiFont& font) override {
    const int h = font.height, width = static_cast<int>(text.size()) * (h - 1);
    if (font.face == L"Tall") return {width, h / 4, h + h / 4, h + h / 2};
    return {width, 0, h, h};
  }
};

TEST(FitUiFont, TakesTheLargestSizeAtWhichEveryCaptionStandsWhole) {
  FakeFontMeasure measure;
  const struct {
    UiFont message;
    int dpi;
    UiFont fitted;
  } cases[] = {
      {{L"Small", 11}, 96, {L"Small", 11}},
      {{L"Small", 12}, 96, {L"Small", 11}},  // 抽出ファイル: 6 × 11 is too wide for 65
      {{L"Small", 10}, 96, {L"Small", 10}},  // the user's own small font stays
      // A tall face fits a text box's 14 rows at no size of 8 points or more.
      {{L"Tall", 12}, 96, {L"MS UI Gothic", 11}},
      {{L"Tall", 24}, 192, {L"MS UI Gothic", 22}},
  };
  for (const auto& c : cases) {
    const UiFont fitted =
        FitUiFont(CaptionRooms(c.dpi), UiFontCandidates(c.message, c.dpi), measure);
    EXPECT_EQ(fitted, c.fitted) << std::string(c.message.face.begin(), c.message.face.end()) << " "
                                << c.message.height;
  }
  EXPECT_EQ(UiFontCandidates({L"Tall", 12}, 96).back(), (UiFont{L"MS UI Gothic", 11}));
  EXPECT_EQ(UiFontCandidates({L"Tall", 18}, 144).back(), (UiFont{L"MS UI Gothic", 16}));
}

TEST(FitUiFont, EachControlKeepsItsTextWhereItDrawsIt) {
  const LineInk ink{50, 3, 15, 17};
  EXPECT_TRUE(Fits({L"", 50, 15, TextPlacement::kTop}, ink));
  EXPECT_FALSE(Fits({L"", 49, 15, TextPlacement::kTop}, ink));
  EXPECT_FALSE(Fits({L"", 50, 14, TextPlacement::kTop}, ink));
  // Centred, the line box of 17 starts a row above a room of 14: ink rows 2 to 14.
  EXPECT_TRUE(Fits({L"", 50, 14, TextPlacement::kCentred}, ink));
  EXPECT_FALSE(Fits({L"", 50, 12, TextPlacement::kCentred}, ink));
  // A line box a row taller than the room stands a row higher, or not, as the control rounds:
  // ink in the line's top row fits only where the control does not round up.
  EXPECT_FALSE(Fits({L"", 50, 15, TextPlacement::kCentred}, {50, 0, 15, 16}));
  EXPECT_TRUE(Fits({L"", 50, 15, TextPlacement::kCentred}, {50, 1, 15, 16}));
  EXPECT_FALSE(Fits({L"", 500, 16, TextPlacement::kWholeLine}, ink));
  EXPECT_TRUE(Fits({L"", 0, 17, TextPlacement::kWholeLine}, ink));

  // The Extract button holds its progress too; the counter fits a font of its own.
  const auto rooms = CaptionRooms(96);
  ASSERT_EQ(rooms.size(), 9u);  // 2 labels, the check box, 3 buttons and the progress, 2 boxes
  const auto progress = std::find_if(rooms.begin(), rooms.end(),
                                     [](const TextRoom& r) { return r.text == L"抽出中 100%"; });
  ASSERT_NE(progress, rooms.end());
  EXPECT_EQ(progress->width, 93 - 6);
}

// A window learns its monitor's scale from what the Windows it runs on offers.
unsigned Window144(void*) { return 144; }
unsigned Monitor120(void*) { return 120; }
unsigned Failing(void*) { return 0; }
unsigned Screen96() { return 96; }
int framesAsked = 0;
bool ScaleFrame(void*) { return ++framesAsked, true; }

TEST(MonitorDpiOf, IsTheWindowsOwnElseItsMonitorsElseTheScreens) {
  const struct {
    const char* what;
    ScaleFunctions system;
    int dpi, framesAsked;
  } cases[] = {
      {"Windows 10 1607 on", {Window144, Monitor120, ScaleFrame, Screen96}, 144, 1},
      {"8.1: a user32 without GetDpiForWindow", {nullptr, Monitor120, nullptr, Screen96}, 120, 0},
      {"7 and 8, aware of the system's scale", {nullptr, nullptr, nullptr, Screen96}, 96, 0},
      {"a window the system cannot tell", {Failing, Monitor120, ScaleFrame, Screen96}, 120, 1},
  };
  for (const auto& c : cases) {
    framesAsked = 0;
    int window = 0;
    EXPECT_EQ(MonitorDpiOf(&window, c.system), c.dpi) << c.what;
    AskForScaledFrame(&window, c.system);
    EXPECT_EQ(framesAsked, c.framesAsked) << c.what;
  }
}

// The cache of the list's pictures: a batch of 16 made when one of them is first asked for,
// 16 batches kept, the one longest unasked making way.
TEST(PictureCache, MakesEveryPictureFromItsOwnIcon) {
  testing::FakePictures pictures;
  testing::FakeSourceFiles files;
  PictureCache cache(pictures, files);
  cache.UseFile({L"C:\\a.dll", {}}, 1000);
  for (int round = 0; round < 2; ++round) {
    for (int number : {1, 999, 17, 500, 1000, 2, 300}) {
      EXPECT_EQ(pictures.at[cache.PlaceOf(number)], L"C:\\a.dll#" + std::to_wstring(number - 1))
          << number;
    }
  }
  EXPECT_EQ(pictures.batches, 5);  // 1 and 2 share one, 999 and 1000 another; round 2 made none
  EXPECT_EQ(cache.PlaceOf(0), 0);
  EXPECT_EQ(cache.PlaceOf(1001), 0);

  for (int batch = 0; batch < PictureCache::kBatches + 1; ++batch) cache.PlaceOf(1 + 16 * batch);
  const int made = pictures.batches;
  cache.PlaceOf(16 * 16 + 1);  // the latest: kept
  cache.PlaceOf(1);            // the longest unasked: made again
  EXPECT_EQ(pictures.batches, made + 1);

  cache.UseFile({L"C:\\b.dll", {}}, 20);  // a new load forgets every picture
  EXPECT_EQ(pictures.at[cache.PlaceOf(1)], L"C:\\b.dll#0");
  EXPECT_EQ(pictures.at[cache.PlaceOf(20)], L"C:\\b.dll#19");
}

// A file that changed since the load is checked again before the shell reads it; one that
// would lead the shell out of it gives bare pictures.
TEST(PictureCache, ChecksAChangedFileBeforeTheShellReadsIt) {
  testing::FakePictures pictures;
  testing::FakeSourceFiles files;
  const std::wstring path = L"C:\\a.dll";
  files.modules[path];
  files.stamps[path] = {100, 1};
  PictureCache cache(pictures, files);
  cache.UseFile({path, {100, 1}}, 100);
  EXPECT_EQ(pictures.at[cache.PlaceOf(1)], L"C:\\a.dll#0");

  files.stamps[path] = {120, 2};
  files.unreadable.insert(path);
  EXPECT_EQ(pictures.at[cache.PlaceOf(40)], L"");
  files.unreadable.clear();  // changed once more, and fine again
  files.stamps[path] = {100, 3};
  EXPECT_EQ(pictures.at[cache.PlaceOf(80)], L"C:\\a.dll#79");
  EXPECT_EQ(files.live, 0);  // held only while the shell reads it
}

}  // namespace
}  // namespace morvane
