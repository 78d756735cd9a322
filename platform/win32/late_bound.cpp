#include "platform/win32/late_bound.h"

namespace morvane::win32::late {

void* SystemFunction(const wchar_t* dll, const char* name) noexcept {
  HMODULE module = GetModuleHandleW(dll);
  if (!module) module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace morvane::win32::late
