#include "extract/destination_folder.h"

#include "platform/path_names.h"

namespace morvane {

namespace {

// The root of the folder's drive without its last separator: "C:", or "\\server\share".
std::wstring RootOf(const std::wstring& folder) {
  if (StartsWithDrive(folder)) return folder.substr(0, 2);
  if (folder.size() < 2 || !IsPathSeparator(folder[0]) || !IsPathSeparator(folder[1])) return L"";
  std::size_t at = 2;
  for (int part = 0; part < 2 && at != std::wstring::npos; ++part) {
    at = folder.find_first_of(L"\\/", at + (part == 0 ? 0 : 1));
  }
  return at == std::wstring::npos ? folder : folder.substr(0, at);
}

}  // namespace

std::optional<std::wstring> DestinationFolder(const std::wstring& field,
                                              const std::wstring& programFolder) {
  if (field.empty()) return AsFolder(programFolder);
  if (IsFullPath(field)) return AsFolder(field);
  if (StartsWithDrive(field)) return std::nullopt;  // "D:out"
  if (IsPathSeparator(field[0])) return AsFolder(RootOf(programFolder) + field);
  return AsFolder(AsFolder(programFolder) + field);
}

}  // namespace morvane
