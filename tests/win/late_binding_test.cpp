// Binding the functions of system DLLs on first use, where Windows can search its system folder
// and where it cannot.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/late_bound.h"

namespace morvane::win32::late {
namespace {

std::vector<std::wstring> loads;
std::wstring failure;

// A Windows 7 without update KB2533623: no DLL loaded yet, and no search of the system folder.
Binder OldWindows() {
  Binder binder = RealBinder();
  binder.alreadyLoaded = [](const wchar_t*) -> HMODULE { return nullptr; };
  binder.canSearchSystemFolder = [] { return false; };
  binder.loadFromSystemFolder = [](const wchar_t*) -> HMODULE {
    ADD_FAILURE() << "LOAD_LIBRARY_SEARCH_SYSTEM32 is refused there";
    return nullptr;
  };
  binder.loadByFullPath = [](const wchar_t* path) {
    loads.push_back(path);
    return LoadLibraryW(path);
  };
  binder.fail = [](const std::wstring& message) { failure = message; };
  loads.clear();
  failure.clear();
  return binder;
}

TEST(LateBinding, WithoutTheSystemFolderSearchADllIsLoadedByItsFullPath) {
  const void* bound = SystemFunction(L"comdlg32.dll", "GetOpenFileNameW", OldWindows());
  wchar_t system[MAX_PATH]{};
  GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(loads, std::vector<std::wstring>{std::wstring(system) + L"\\comdlg32.dll"});
  EXPECT_EQ(bound, reinterpret_cast<void*>(
                       GetProcAddress(GetModuleHandleW(L"comdlg32.dll"), "GetOpenFileNameW")));
  EXPECT_TRUE(failure.empty());
}

TEST(LateBinding, WhatCannotBeBoundIsNamedAndNeverCalled) {
  EXPECT_EQ(SystemFunction(L"comctl32.dll", "ImageList_Unheard", OldWindows()), nullptr);
  EXPECT_EQ(failure, L"システムの comctl32.dll に関数 ImageList_Unheard が見つかりません。");
  EXPECT_EQ(SystemFunction(L"morvane_absent.dll", "Anything", OldWindows()), nullptr);
  EXPECT_EQ(failure, L"システムの morvane_absent.dll に関数 Anything が見つかりません。");
  // A function of later Windows is null where this one lacks it, and ends nothing.
  failure.clear();
  EXPECT_EQ(NewerSystemFunction(L"user32.dll", "GetDpiForUnheard", OldWindows()), nullptr);
  EXPECT_EQ(NewerSystemFunction(L"morvane_absent.dll", "Anything", OldWindows()), nullptr);
  EXPECT_TRUE(failure.empty());
}

}  // namespace
}  // namespace morvane::win32::late
