#pragma once
// The functions of the common controls, the common dialogs and OLE, which only the shown
// window uses. Each is bound on its first call, so that a run that never shows the window
// loads none of these DLLs: Wine takes about a tenth of a second to start them.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>

#include <string>

namespace morvane::win32::late {

// The steps of binding a function of a system DLL, each one call to Windows. Tests put in
// steps of their own.
struct Binder {
  HMODULE (*alreadyLoaded)(const wchar_t* dll);
  bool (*canSearchSystemFolder)();  // whether LoadLibraryExW takes LOAD_LIBRARY_SEARCH_SYSTEM32
  HMODULE (*loadFromSystemFolder)(const wchar_t* dll);
  HMODULE (*loadByFullPath)(const wchar_t* path);
  std::wstring (*systemFolder)();
  void* (*find)(HMODULE module, const char* name);
  // Tells the user in Japanese what could not be bound; in the program it then ends it with
  // exit code 1 and does not return.
  void (*fail)(const std::wstring& message);
};
const Binder& RealBinder();

// The address of a function of a system DLL, which is loaded from the system folder on first
// use and kept to the end. One that cannot be bound ends the program with a message naming it.
void* SystemFunction(const wchar_t* dll, const char* name,
                     const Binder& binder = RealBinder()) noexcept;

// The same for a function that only later Windows have: null where this Windows lacks it, or
// its DLL.
void* NewerSystemFunction(const wchar_t* dll, const char* name,
                          const Binder& binder = RealBinder()) noexcept;

template <class Function>
Function* Bound(const wchar_t* dll, const char* name) noexcept {
  return reinterpret_cast<Function*>(SystemFunction(dll, name));
}
template <class Function>
Function* Newer(const wchar_t* dll, const char* name) noexcept {
  return reinterpret_cast<Function*>(NewerSystemFunction(dll, name));
}

// late::F(...) calls the system's F, bound on the first call. Every one of them exists in the
// DLLs of every Windows the program runs on.
#define MORVANE_LATE(dll, function)                                        \
  template <class... Arguments>                                            \
  auto function(Arguments... arguments) {                                  \
    static const auto bound = Bound<decltype(::function)>(dll, #function); \
    return bound(arguments...);                                            \
  }

MORVANE_LATE(L"comctl32.dll", InitCommonControlsEx)
MORVANE_LATE(L"comctl32.dll", ImageList_Create)
MORVANE_LATE(L"comctl32.dll", ImageList_Destroy)
MORVANE_LATE(L"comctl32.dll", ImageList_SetImageCount)
MORVANE_LATE(L"comctl32.dll", ImageList_Replace)
MORVANE_LATE(L"comctl32.dll", ImageList_Draw)
MORVANE_LATE(L"comctl32.dll", SetWindowSubclass)
MORVANE_LATE(L"comctl32.dll", RemoveWindowSubclass)
MORVANE_LATE(L"comctl32.dll", DefSubclassProc)
MORVANE_LATE(L"comdlg32.dll", GetOpenFileNameW)
MORVANE_LATE(L"comdlg32.dll", GetSaveFileNameW)
MORVANE_LATE(L"ole32.dll", OleInitialize)
MORVANE_LATE(L"ole32.dll", OleUninitialize)
MORVANE_LATE(L"ole32.dll", RegisterDragDrop)
MORVANE_LATE(L"ole32.dll", RevokeDragDrop)
MORVANE_LATE(L"ole32.dll", ReleaseStgMedium)
MORVANE_LATE(L"ole32.dll", CoCreateInstance)
MORVANE_LATE(L"ole32.dll", CreateStreamOnHGlobal)
MORVANE_LATE(L"ole32.dll", CoTaskMemFree)

#undef MORVANE_LATE

}  // namespace morvane::win32::late
