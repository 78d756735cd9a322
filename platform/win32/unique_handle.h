#pragma once
// Move-only owners of Windows handles, and those of the kernel's objects. The owners of other
// kinds of handles stand beside the headers that they need: gdi_owners.h, and the files that use
// the image list, the shell's item lists and OLE's storage media.
#include <windows.h>

#include <cstdint>
#include <utility>

namespace morvane::win32 {

template <class Handle, auto Close, std::intptr_t InvalidValue = 0>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  Handle release() { return std::exchange(handle_, Invalid()); }
  void reset(Handle handle = Invalid()) {
    if (*this) Close(handle_);
    handle_ = handle;
  }

 private:
  static Handle Invalid() { return reinterpret_cast<Handle>(InvalidValue); }
  Handle handle_ = Invalid();
};

inline void UnmapView(const void* view) { UnmapViewOfFile(view); }
inline void FreeGlobal(HGLOBAL memory) { GlobalFree(memory); }

using unique_hmodule = UniqueHandle<HMODULE, FreeLibrary>;
using unique_hfile = UniqueHandle<HANDLE, CloseHandle, -1>;  // INVALID_HANDLE_VALUE
using unique_handle = UniqueHandle<HANDLE, CloseHandle>;     // null when invalid
using unique_view = UniqueHandle<const void*, UnmapView>;    // MapViewOfFile
using unique_hglobal = UniqueHandle<HGLOBAL, FreeGlobal>;    // GlobalAlloc
using unique_hmenu = UniqueHandle<HMENU, DestroyMenu>;

}  // namespace morvane::win32
