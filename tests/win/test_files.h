#pragma once
// Files and folders for tests that run under Wine.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace morvane::testing {

namespace fs = std::filesystem;

// A Unix path as Wine's Z: drive shows it.
std::wstring WinePath(const std::string& unixPath);

std::vector<unsigned char> ReadAll(const fs::path& path);

// Every regular file in a folder, by name.
std::map<std::wstring, std::vector<unsigned char>> FilesIn(const fs::path& folder);

// The generated test modules and the .ico files that extracting them must give back.
fs::path FixtureDir();
fs::path FixtureModule(const std::string& name);  // FixtureDir()/modules/<name>.dll
std::vector<unsigned char> ExpectedIcon(const std::string& name);  // expected/<name>.ico

// A fresh empty folder that is removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const fs::path& path() const { return path_; }
  std::wstring WithBackslash() const { return path_.wstring() + L"\\"; }

 private:
  fs::path path_;
};

}  // namespace morvane::testing
