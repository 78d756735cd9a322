#include "platform/win32/late_bound.h"

#include "platform/program_texts.h"
#include "platform/win32/fatal_failure.h"
#include "platform/win32/written_text.h"

namespace morvane::win32::late {

namespace {

HMODULE AlreadyLoaded(const wchar_t* dll) { return GetModuleHandleW(dll); }

// LOAD_LIBRARY_SEARCH_SYSTEM32 came with AddDllDirectory: Windows 8, and Windows 7 with
// update KB2533623. Without it, LoadLibraryExW refuses the flag.
bool CanSearchSystemFolder() {
  return GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
}

HMODULE LoadFromSystemFolder(const wchar_t* dll) {
  return LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadByFullPath(const wchar_t* path) { return LoadLibraryW(path); }

std::wstring SystemFolder() { return WrittenText(GetSystemDirectoryW).value_or(L""); }

void* Find(HMODULE module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(module, name));
}

HMODULE LoadSystemDll(const wchar_t* dll, const Binder& binder) {
  if (HMODULE loaded = binder.alreadyLoaded(dll)) return loaded;
  if (binder.canSearchSystemFolder()) return binder.loadFromSystemFolder(dll);
  // Only by its full path is the DLL sure to come from the system folder.
  return binder.loadByFullPath((binder.systemFolder() + L"\\" + dll).c_str());
}

}  // namespace

const Binder& RealBinder() {
  static const Binder real{AlreadyLoaded,  CanSearchSystemFolder, LoadFromSystemFolder,
                           LoadByFullPath, SystemFolder,          Find,
                           EndWithMessage};
  return real;
}

void* NewerSystemFunction(const wchar_t* dll, const char* name, const Binder& binder) noexcept {
  HMODULE module = LoadSystemDll(dll, binder);
  return module ? binder.find(module, name) : nullptr;
}

void* SystemFunction(const wchar_t* dll, const char* name, const Binder& binder) noexcept {
  if (void* function = NewerSystemFunction(dll, name, binder)) return function;
  std::wstring function;
  for (const char* c = name; *c; ++c) function += static_cast<wchar_t>(*c);
  binder.fail(texts::MissingSystemFunction(dll, function));
  return nullptr;
}

}  // namespace morvane::win32::late
