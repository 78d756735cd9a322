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

// Every one of them exists in the DLLs of every Windows the program runs on.
template <class Function>
Function* Bound(const wchar_t* dll, const char* name) noexcept {
  return reinterpret_cast<Function*>(SystemFunction(dll, name));
}

#define MORVANE_LATE(dll, function) \
  static const auto bound = Bound<decltype(::function)>(dll, #function)

inline BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
  MORVANE_LATE(L"comctl32.dll", InitCommonControlsEx);
  return bound(controls);
}
inline HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow) {
  MORVANE_LATE(L"comctl32.dll", ImageList_Create);
  return bound(width, height, flags, initial, grow);
}
inline BOOL ImageList_Destroy(HIMAGELIST images) {
  MORVANE_LATE(L"comctl32.dll", ImageList_Destroy);
  return bound(images);
}
inline BOOL ImageList_SetImageCount(HIMAGELIST images, UINT count) {
  MORVANE_LATE(L"comctl32.dll", ImageList_SetImageCount);
  return bound(images, count);
}
inline BOOL ImageList_Replace(HIMAGELIST images, int index, HBITMAP image, HBITMAP mask) {
  MORVANE_LATE(L"comctl32.dll", ImageList_Replace);
  return bound(images, index, image, mask);
}
inline BOOL ImageList_Draw(HIMAGELIST images, int index, HDC dc, int x, int y, UINT style) {
  MORVANE_LATE(L"comctl32.dll", ImageList_Draw);
  return bound(images, index, dc, x, y, style);
}

inline BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  MORVANE_LATE(L"comctl32.dll", SetWindowSubclass);
  return bound(window, procedure, id, data);
}
inline BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  MORVANE_LATE(L"comctl32.dll", RemoveWindowSubclass);
  return bound(window, procedure, id);
}
inline LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MORVANE_LATE(L"comctl32.dll", DefSubclassProc);
  return bound(window, message, wParam, lParam);
}

inline BOOL GetOpenFileNameW(OPENFILENAMEW* dialog) {
  MORVANE_LATE(L"comdlg32.dll", GetOpenFileNameW);
  return bound(dialog);
}
inline BOOL GetSaveFileNameW(OPENFILENAMEW* dialog) {
  MORVANE_LATE(L"comdlg32.dll", GetSaveFileNameW);
  return bound(dialog);
}

inline HRESULT OleInitialize(void* reserved) {
  MORVANE_LATE(L"ole32.dll", OleInitialize);
  return bound(reserved);
}
inline void OleUninitialize() {
  MORVANE_LATE(L"ole32.dll", OleUninitialize);
  bound();
}
inline HRESULT RegisterDragDrop(HWND window, IDropTarget* target) {
  MORVANE_LATE(L"ole32.dll", RegisterDragDrop);
  return bound(window, target);
}
inline HRESULT RevokeDragDrop(HWND window) {
  MORVANE_LATE(L"ole32.dll", RevokeDragDrop);
  return bound(window);
}
inline void ReleaseStgMedium(STGMEDIUM* medium) {
  MORVANE_LATE(L"ole32.dll", ReleaseStgMedium);
  bound(medium);
}
inline HRESULT CoCreateInstance(REFCLSID type, IUnknown* outer, DWORD context, REFIID iid,
                                void** object) {
  MORVANE_LATE(L"ole32.dll", CoCreateInstance);
  return bound(type, outer, context, iid, object);
}
inline HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL freeOnRelease, IStream** stream) {
  MORVANE_LATE(L"ole32.dll", CreateStreamOnHGlobal);
  return bound(memory, freeOnRelease, stream);
}
inline void CoTaskMemFree(void* memory) {
  MORVANE_LATE(L"ole32.dll", CoTaskMemFree);
  bound(memory);
}

#undef MORVANE_LATE

}  // namespace morvane::win32::late
