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

// One of Wine's own DLLs or programs, built for the same machine as the test.
fs::path WineModule(const std::string& name);

// The generated test modules and the .ico files that extracting them must give back.
fs::path FixtureDir();
fs::path FixtureModule(const std::string& name);  // FixtureDir()/modules/<name>.dll
std::vector<unsigned char> ExpectedIcon(const std::string& name);  // expected/<name>.ico

// A module without icons installed as <Windows>\system32\<name>.dll, the way system files
// of recent Windows are, with the "names" fixture as its <Windows>\SystemResources\<name>.dll.mun.
// Both are removed at the end.
class SystemFileWithMun {
 public:
  explicit SystemFileWithMun(const std::string& name);
  ~SystemFileWithMun();
  SystemFileWithMun(const SystemFileWithMun&) = delete;
  SystemFileWithMun& operator=(const SystemFileWithMun&) = delete;

  const fs::path& path() const { return system_; }

 private:
  fs::path system_, mun_;
};

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
