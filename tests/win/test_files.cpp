#include "tests/win/test_files.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace morvane::testing {

std::wstring WinePath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

std::vector<unsigned char> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::map<std::wstring, std::vector<unsigned char>> FilesIn(const fs::path& folder) {
  std::map<std::wstring, std::vector<unsigned char>> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path().filename().wstring()] = ReadAll(entry.path());
  }
  return files;
}

std::wstring SystemText(unsigned long code) {
  wchar_t text[512]{};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                 512, nullptr);
  std::wstring line = text;
  while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r' || line.back() == L' ')) {
    line.pop_back();
  }
  return line + L"（エラー " + std::to_wstring(code) + L"）";
}

fs::path WineModule(const std::string& name) {
#ifdef _WIN64
  return WinePath("/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/" + name);
#else
  return WinePath("/usr/lib/i386-linux-gnu/wine/i386-windows/" + name);
#endif
}

fs::path FixtureDir() { return WinePath(MORVANE_FIXTURE_DIR); }

fs::path FixtureModule(const std::string& name) {
  return FixtureDir() / "modules" / (name + ".dll");
}

std::vector<unsigned char> ExpectedIcon(const std::string& name) {
  return ReadAll(FixtureDir() / "expected" / (name + ".ico"));
}

namespace {

// The prefix's <Windows>\<folder> through its Unix path, which WoW64 does not redirect.
fs::path PrefixFolder(const std::string& folder) {
  const char* prefix = std::getenv("WINEPREFIX");
  return WinePath(std::string(prefix ? prefix : "") + "/drive_c/windows/" + folder);
}

}  // namespace

SystemFile::SystemFile(const std::string& folder, const std::string& name, const fs::path& source)
    : path_(fs::path(L"C:\\windows") / folder / name), placed_(PrefixFolder(folder) / name) {
  fs::create_directories(placed_.parent_path());
  fs::copy_file(source, placed_, fs::copy_options::overwrite_existing);
}

SystemFile::~SystemFile() {
  std::error_code ignored;
  fs::remove(placed_, ignored);
}

std::vector<unsigned char> ReadSystemFile(const std::string& folder, const std::string& name) {
  return ReadAll(PrefixFolder(folder) / name);
}

TempFolder::TempFolder() {
  static int counter = 0;
  path_ = fs::temp_directory_path() / (L"morvane-test-" + std::to_wstring(GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(++counter));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

}  // namespace morvane::testing
