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

// The system's own text for an error, on one line, with its number, as a message gives it.
std::wstring SystemText(unsigned long code);

// One of Wine's own DLLs or programs, built for the same machine as the test.
fs::path WineModule(const std::string& name);

// The generated test modules and the .ico files that extracting them must give back.
fs::path FixtureDir();
fs::path FixtureModule(const std::string& name);  // FixtureDir()/modules/<name>.dll
std::vector<unsigned char> ExpectedIcon(const std::string& name);  // expected/<name>.ico

// A copy of `source` as <Windows>\<folder>\<name> of the Wine prefix, "system32", "syswow64" or
// "SystemResources" as the 64-bit system has them: put there through the prefix's own folders,
// which WoW64 does not redirect. Removed at the end.
class SystemFile {
 public:
  SystemFile(const std::string& folder, const std::string& name, const fs::path& source);
  ~SystemFile();
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  // The path a user gives, such as C:\windows\system32\<name>.
  const fs::path& path() const { return path_; }

 private:
  fs::path path_, placed_;
};

// The bytes of a file that the 64-bit system holds in <Windows>\<folder>.
std::vector<unsigned char> ReadSystemFile(const std::string& folder, const std::string& name);

// A module without icons installed as <Windows>\system32\<name>.dll, the way system files of
// recent Windows are, with the "names" fixture as its <Windows>\SystemResources\<name>.dll.mun.
class SystemFileWithMun {
 public:
  explicit SystemFileWithMun(const std::string& name)
      : system_("system32", name + ".dll", FixtureModule("noicons")),
        mun_("SystemResources", name + ".dll.mun", FixtureModule("names")) {}

  const fs::path& path() const { return system_.path(); }

 private:
  SystemFile system_, mun_;
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
