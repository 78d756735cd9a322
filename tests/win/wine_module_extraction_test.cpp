// Extraction of modules that nobody here wrote: Wine's own DLLs and programs, compared with
// an independent reading of each file's resource section. System files are also named as users
// name them, in System32, where this process has loaded some of them itself; for a 32-bit
// process on 64-bit Windows, that path names the 64-bit system's file.
#include <gtest/gtest.h>

#include "tests/win/message_box_catcher.h"
#include "tests/win/module_icon_reader.h"
#include "tests/win/real_run.h"

namespace morvane::testing {
namespace {

class WineModuleExtraction : public ::testing::TestWithParam<const char*> {};

TEST_P(WineModuleExtraction, EveryGroupMatchesTheIndependentReading) {
  const std::string name = GetParam();
  const bool system = name.rfind("system32\\", 0) == 0;
  const fs::path source = system ? fs::path("C:\\windows") / name : WineModule(name);
  const std::vector<FileBytes> expected = IconFilesFromPe(
      system ? ReadSystemFile("system32", source.filename().string()) : ReadAll(source));
  ASSERT_FALSE(expected.empty());
  ASSERT_LT(expected.size(), 1000u);

  TempFolder out;
  RealRun form;
  MessageBoxCatcher boxes;
  form.SetSource(source);
  form.files.destination = out.WithBackslash();
  form.Run(1, static_cast<std::int16_t>(expected.size()));

  EXPECT_TRUE(boxes.caught().empty());
  const auto files = FilesIn(out.path());
  ASSERT_EQ(files.size(), expected.size());
  const std::wstring base = form.files.sourceName.substr(0, form.files.sourceName.find(L'.'));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    wchar_t number[8];
    swprintf(number, 8, L"%03u", static_cast<unsigned>(i + 1));
    SCOPED_TRACE(i + 1);
    auto written = files.find(base + number + L".ico");
    ASSERT_NE(written, files.end());
    EXPECT_EQ(written->second, expected[i]);
  }
  std::printf("%s: %zu icon groups\n", GetParam(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(Wine, WineModuleExtraction,
                         ::testing::Values("shell32.dll", "user32.dll", "comdlg32.dll",
                                           "comctl32.dll", "notepad.exe", "regedit.exe",
                                           "taskmgr.exe", "winefile.exe", "system32\\shell32.dll",
                                           "system32\\user32.dll", "system32\\comctl32.dll",
                                           "system32\\comdlg32.dll"));

TEST(WineModuleExtractionCount, Shell32HasItsGroups) {
  const fs::path source = WineModule("shell32.dll");
  EXPECT_GE(IconFilesFromPe(ReadAll(source)).size(), 150u);
}

}  // namespace
}  // namespace morvane::testing
