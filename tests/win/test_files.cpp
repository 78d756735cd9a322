#include "tests/win/test_files.h"

#include <windows.h>

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

SystemFileWithMun::SystemFileWithMun(const std::string& name) {
  wchar_t windows[MAX_PATH]{};
  GetWindowsDirectoryW(windows, MAX_PATH);
  system_ = fs::path(windows) / "system32" / (name + ".dll");
  mun_ = fs::path(windows) / "SystemResources" / (name + ".dll.mun");
  fs::create_directories(mun_.parent_path());
  fs::copy_file(FixtureModule("noicons"), system_, fs::copy_options::overwrite_existing);
  fs::copy_file(FixtureModule("names"), mun_, fs::copy_options::overwrite_existing);
}

SystemFileWithMun::~SystemFileWithMun() {
  std::error_code ignored;
  fs::remove(system_, ignored);
  fs::remove(mun_, ignored);
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
