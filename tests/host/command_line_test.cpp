#include <gtest/gtest.h>

#include "app/command_line.h"

namespace morvane {
namespace {

TEST(ArgumentsAfterProgramName, SkipsTheProgramNameAndTheBlanksAfterIt) {
  EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\Program Files\\Morvane.exe\" \"D:\\a b.exe\""),
            L"\"D:\\a b.exe\"");
  EXPECT_EQ(ArgumentsAfterProgramName(L"Morvane.exe D:\\x.exe"), L"D:\\x.exe");
  EXPECT_EQ(ArgumentsAfterProgramName(L"Morvane.exe   x  y "), L"x  y ");
  EXPECT_EQ(ArgumentsAfterProgramName(L"Morvane.exe"), L"");
  EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\M o\\Morvane.exe\""), L"");
  EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\unclosed"), L"");
  EXPECT_EQ(ArgumentsAfterProgramName(L""), L"");
}

TEST(SourcePathFromArguments, FollowsTheQuoteAndBlankRules) {
  struct Case {
    const wchar_t* arguments;
    const wchar_t* source;
  };
  const Case cases[] = {
      {L"\"D:\\my tools\\tool.exe\"", L"D:\\my tools\\tool.exe"},
      {L"D:\\tools\\tool.exe", L"D:\\tools\\tool.exe"},
      {L"D:\\my tools\\tool.exe", L"D:\\my"},
      {L"\"D:\\a.exe\" \"D:\\b.exe\"", L"D:\\a.exe"},
      {L"D:\\a.exe \"word\"", L":\\a.exe "},  // first character dropped, blank kept
      {L"\"D:\\a b.exe", L"D:\\a b.ex"},      // no closing quote: the last character goes
      {L"a  b", L"a"},
      {L" a", L""},
      {L"\"\"\"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    EXPECT_EQ(SourcePathFromArguments(c.arguments), std::wstring(c.source));
  }
}

TEST(SourcePathFromArguments, ShortQuotedArgumentsGiveAnEmptyPath) {
  for (const wchar_t* arguments : {L"\"", L"\"\"", L"\"a", L"a\""}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(SourcePathFromArguments(arguments), std::wstring());
  }
}

TEST(SourcePathFromArguments, NoArgumentsMeansNoSource) {
  EXPECT_EQ(SourcePathFromArguments(L""), std::nullopt);
}

}  // namespace
}  // namespace morvane
