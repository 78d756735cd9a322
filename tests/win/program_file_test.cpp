// What Morvane.exe carries besides its code: icon, version record and manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/win/module_icon_reader.h"
#include "tests/win/test_files.h"

namespace morvane::testing {
namespace {

fs::path Program() { return WinePath(MORVANE_EXE); }

TEST(ProgramFile, CarriesOneIconGroupOfTwoSixteenColourImages) {
  const auto groups = IconFilesFromPe(ReadAll(Program()));
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0], ReadAll(WinePath(MORVANE_PROGRAM_ICON)));
  const FileBytes& ico = groups[0];
  ASSERT_EQ(ico[4], 2);
  struct Image {
    int size, colours, bytes;
  };
  const Image images[] = {{32, 16, 744}, {16, 16, 296}};
  for (int i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + 16 * i;
    EXPECT_EQ(ico[entry], images[i].size);
    EXPECT_EQ(ico[entry + 1], images[i].size);
    EXPECT_EQ(ico[entry + 2], images[i].colours);
    EXPECT_EQ(ico[entry + 8] | ico[entry + 9] << 8, images[i].bytes);
  }
}

std::wstring VersionString(const std::vector<unsigned char>& block, const std::wstring& name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = L"\\StringFileInfo\\041104B0\\" + name;
  if (!VerQueryValueW(block.data(), key.c_str(), &value, &length) || length == 0) return L"?";
  return static_cast<const wchar_t*>(value);
}

TEST(ProgramFile, CarriesItsVersionRecord) {
  const std::wstring path = Program().wstring();
  DWORD ignored = 0;
  std::vector<unsigned char> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

  EXPECT_EQ(VersionString(block, L"FileVersion"), L"1.00");
  EXPECT_EQ(VersionString(block, L"ProductVersion"), L"1.00");
  EXPECT_EQ(VersionString(block, L"ProductName"), L"Morvane");
  EXPECT_EQ(VersionString(block, L"InternalName"), L"Morvane");
  EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"Morvane.exe");

  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0411);
  EXPECT_EQ(translation[1], 0x04B0);
}

TEST(ProgramFile, AsksForCommonControlsSixAndDpiAwareness) {
  HMODULE program = LoadLibraryExW(Program().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(program);
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_TRUE(found);
  const auto* text = static_cast<const char*>(LockResource(LoadResource(program, found)));
  const std::string manifest(text, SizeofResource(program, found));
  FreeLibrary(program);

  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);

  // This test carries the same manifest: the system takes it as aware of each monitor's scale.
  using Context = HANDLE(WINAPI*)();
  using Awareness = int(WINAPI*)(HANDLE);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto context = reinterpret_cast<Context>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  const auto awareness = reinterpret_cast<Awareness>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
  ASSERT_TRUE(context && awareness);
  EXPECT_EQ(awareness(context()), 2);  // DPI_AWARENESS_PER_MONITOR_AWARE
}

// On a Remote Desktop host, only a terminal-server aware program is given the system's own
// Windows folder.
TEST(ProgramFile, IsTerminalServerAware) {
  const FileBytes program = ReadAll(Program());
  const auto u32 = [&](std::size_t at) {
    return program[at] | program[at + 1] << 8 | program[at + 2] << 16 | program[at + 3] << 24;
  };
  const std::size_t characteristics = u32(0x3C) + 24 + 70;  // the same in PE32 and PE32+
  ASSERT_LT(characteristics + 1, program.size());
  EXPECT_TRUE(program[characteristics + 1] &
              0x80);  // IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE
}

}  // namespace
}  // namespace morvane::testing
