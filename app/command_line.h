#pragma once
// The program's one argument, the source file, as the command line gives it.
#include <optional>
#include <string>

namespace morvane {

// The text after the program's own name and the blanks that follow it.
std::wstring ArgumentsAfterProgramName(const std::wstring& commandLine);

// The source path: with a double quote anywhere, the text between the first and last
// characters cut at the first remaining quote; otherwise the text before the first blank.
// Nothing when there are no arguments at all.
std::optional<std::wstring> SourcePathFromArguments(const std::wstring& arguments);

}  // namespace morvane
