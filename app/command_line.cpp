#include "app/command_line.h"

namespace morvane {

std::wstring ArgumentsAfterProgramName(const std::wstring& commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const std::size_t close = commandLine.find(L'"', 1);
    at = close == std::wstring::npos ? commandLine.size() : close + 1;
  } else {
    at = commandLine.find_first_of(L" \t");
    if (at == std::wstring::npos) at = commandLine.size();
  }
  at = commandLine.find_first_not_of(L" \t", at);
  return at == std::wstring::npos ? L"" : commandLine.substr(at);
}

std::optional<std::wstring> SourcePathFromArguments(const std::wstring& arguments) {
  if (arguments.empty()) return std::nullopt;
  if (arguments.find(L'"') != std::wstring::npos) {
    // One or two characters leave nothing between the first and the last: an empty path.
    if (arguments.size() <= 2) return std::wstring();
    const std::wstring inner = arguments.substr(1, arguments.size() - 2);
    return inner.substr(0, inner.find(L'"'));
  }
  return arguments.substr(0, arguments.find(L' '));
}

}  // namespace morvane
