#include <gtest/gtest.h>

#include "extract/destination_folder.h"
#include "extract/icon_file_writer.h"
#include "extract/write_failure.h"
#include "formats/icon_header.h"
#include "tests/common/icon_bytes.h"

namespace morvane {
namespace {

using testing::DirectoryEntry;
using testing::GroupDirectory;

std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

TEST(BuildIconHeader, TwoImagesGetOffsetsAfterTheHeader) {
  const Bytes directory = GroupDirectory({{32, 32, 16, 1, 4, 744, 1}, {16, 16, 16, 1, 4, 296, 2}});
  const Bytes header = BuildIconHeader(directory, {744, 296});

  ASSERT_EQ(header.size(), 38u);
  EXPECT_EQ(Bytes(header.begin(), header.begin() + 6),
            Bytes(directory.begin(), directory.begin() + 6));
  // The first 12 bytes of each entry are the directory's; then the offset.
  EXPECT_EQ(Bytes(header.begin() + 6, header.begin() + 18),
            Bytes(directory.begin() + 6, directory.begin() + 18));
  EXPECT_EQ(Bytes(header.begin() + 22, header.begin() + 34),
            Bytes(directory.begin() + 20, directory.begin() + 32));
  EXPECT_EQ(U32At(header, 18), 38u);
  EXPECT_EQ(U32At(header, 34), 782u);
  EXPECT_EQ(U32At(header, 34) + 296, 1078u);  // the whole file
}

TEST(BuildIconHeader, NoImagesGiveTheSixByteHeaderOnly) {
  const Bytes directory = GroupDirectory({});
  EXPECT_EQ(BuildIconHeader(directory, {}), directory);
}

TEST(BuildIconHeader, FollowsTheRealImageSizesWhereTheDirectoryDeclaresOthers) {
  const Bytes directory = GroupDirectory({{32, 32, 16, 1, 4, 1000, 1}, {16, 16, 16, 1, 4, 100, 2}});
  const Bytes header = BuildIconHeader(directory, {744, 296});

  EXPECT_EQ(U32At(header, 6 + 8), 744u);
  EXPECT_EQ(U32At(header, 6 + 12), 38u);
  EXPECT_EQ(U32At(header, 22 + 8), 296u);
  EXPECT_EQ(U32At(header, 22 + 12), 782u);
  // Everything else of the entries is copied.
  EXPECT_EQ(Bytes(header.begin() + 22, header.begin() + 30),
            Bytes(directory.begin() + 20, directory.begin() + 28));
}

TEST(IconFileName, CutsTheSourceNameAtItsFirstDot) {
  EXPECT_EQ(IconFileName(L"D:\\icons\\", L"tool.exe", 2), L"D:\\icons\\tool002.ico");
  EXPECT_EQ(IconFileName(L"D:\\icons\\", L"pack.icons.dll", 15), L"D:\\icons\\pack015.ico");
  EXPECT_EQ(IconFileName(L"D:\\", L".hidden.dll", 3), L"D:\\003.ico");
}

TEST(IconFileName, UsesTheWholeNameWhenItHasNoDot) {
  EXPECT_EQ(IconFileName(L"C:\\out\\", L"toolbox", 1), L"C:\\out\\toolbox001.ico");
  EXPECT_EQ(IconFileName(L"C:\\out\\", L"ico", 1), L"C:\\out\\ico001.ico");
}

TEST(IconFileName, KeepsThreeDigitsBelowAThousandAndAllDigitsAbove) {
  EXPECT_EQ(IconFileName(L"C:\\", L"tool.exe", 7), L"C:\\tool007.ico");
  EXPECT_EQ(IconFileName(L"C:\\", L"tool.exe", 42), L"C:\\tool042.ico");
  EXPECT_EQ(IconFileName(L"C:\\", L"tool.exe", 999), L"C:\\tool999.ico");
  EXPECT_EQ(IconFileName(L"C:\\", L"tool.exe", 1000), L"C:\\tool1000.ico");
  EXPECT_EQ(IconFileName(L"C:\\", L"tool.exe", 32767), L"C:\\tool32767.ico");
}

// The field is labelled as a folder: typed without its "\", it is still one.
TEST(IconFileName, ADestinationWithoutTrailingBackslashIsAFolder) {
  EXPECT_EQ(IconFileName(L"D:\\icons", L"tool.exe", 2), L"D:\\icons\\tool002.ico");
  EXPECT_EQ(IconFileName(L"D:\\notes.txt", L"tool.exe", 1), L"D:\\notes.txt\\tool001.ico");
  EXPECT_EQ(IconFileName(L"D:\\a\\\\", L"tool.exe", 1), L"D:\\a\\\\tool001.ico");
}

// Whatever the current directory: a folder that is not a full path lies in the program's.
TEST(DestinationFolder, APathThatIsNotFullIsTakenAgainstTheProgramFolder) {
  const std::wstring program = L"C:\\Tools\\";
  const std::pair<const wchar_t*, std::optional<std::wstring>> cases[] = {
      {L"", L"C:\\Tools\\"},         {L"D:\\out", L"D:\\out\\"},
      {L"D:/out/", L"D:/out/"},      {L"\\\\server\\share\\out\\", L"\\\\server\\share\\out\\"},
      {L"out", L"C:\\Tools\\out\\"}, {L"..\\out", L"C:\\Tools\\..\\out\\"},
      {L"\\out", L"C:\\out\\"},      {L"D:out", std::nullopt},
      {L"D:", std::nullopt},
  };
  for (const auto& [field, folder] : cases) {
    EXPECT_EQ(DestinationFolder(field, program), folder) << field;
  }
  EXPECT_EQ(DestinationFolder(L"\\out", L"\\\\server\\share\\apps\\"), L"\\\\server\\share\\out\\");
}

// "ファイルを書き込めません。", the file and the reason, with the caption the cause calls for.
TEST(CannotWriteFile, NamesTheFileAndTheReason) {
  const std::wstring path = L"E:\\out\\tool001.ico";
  const std::wstring fool = L"  バカ ？！・・・", sorry = L"  ゴメン ？！・・・";
  struct Case {
    unsigned code;
    bool nameIsFolder;
    const wchar_t* reason;
    std::wstring caption;
  };
  const Case cases[] = {
      {3, false, L"フォルダーが見つかりません。", fool},
      {5, true, L"同じ名前のフォルダーがあります。", fool},
      {5, false, L"書き込みが許可されていません。", fool},
      {112, false, L"ディスクの空き領域が足りません。", sorry},
      {39, false, L"ディスクの空き領域が足りません。", sorry},
      {32, false, L"The file is in use.（エラー 32）", sorry},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const Message message =
        CannotWriteFile(path, {c.code, L"The file is in use.\r\n"}, c.nameIsFolder);
    EXPECT_EQ(message.text, L"ファイルを書き込めません。\n" + path + L"\n" + c.reason);
    EXPECT_EQ(message.caption, c.caption);
  }
}

}  // namespace
}  // namespace morvane
