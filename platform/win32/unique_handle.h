#pragma once
// Move-only owners of Windows handles.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdint>
#include <utility>

#include "platform/win32/late_bound.h"

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

inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void UnmapView(const void* view) { UnmapViewOfFile(view); }
inline void FreeItemList(PIDLIST_ABSOLUTE list) { late::CoTaskMemFree(list); }
inline void FreeGlobal(HGLOBAL memory) { GlobalFree(memory); }

using unique_hmodule = UniqueHandle<HMODULE, FreeLibrary>;
using unique_hbitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using unique_hfont = UniqueHandle<HFONT, DeleteGdiObject>;
using unique_hdc = UniqueHandle<HDC, DeleteDC>;
using unique_hicon = UniqueHandle<HICON, DestroyIcon>;
using unique_himagelist = UniqueHandle<HIMAGELIST, late::ImageList_Destroy>;
using unique_item_list = UniqueHandle<PIDLIST_ABSOLUTE, FreeItemList>;  // CoTaskMem
using unique_hfile = UniqueHandle<HANDLE, CloseHandle, -1>;             // INVALID_HANDLE_VALUE
using unique_handle = UniqueHandle<HANDLE, CloseHandle>;                // null when invalid
using unique_view = UniqueHandle<const void*, UnmapView>;               // MapViewOfFile
using unique_hglobal = UniqueHandle<HGLOBAL, FreeGlobal>;                // GlobalAlloc

// The storage medium that IDataObject::GetData fills; an empty one (TYMED_NULL) releases nothing.
class unique_stgmedium {
 public:
  unique_stgmedium() = default;
  unique_stgmedium(const unique_stgmedium&) = delete;
  unique_stgmedium& operator=(const unique_stgmedium&) = delete;
  ~unique_stgmedium() { late::ReleaseStgMedium(&medium_); }

  STGMEDIUM* receive() { return &medium_; }
  const STGMEDIUM& get() const { return medium_; }

 private:
  STGMEDIUM medium_{};
};

}  // namespace morvane::win32
