#pragma once
// An OLE drop target that hands drags of shell file lists to the window logic.
#include <windows.h>
#include <oleidl.h>
#include <wrl/client.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/drag_state.h"

namespace morvane::win32 {

struct DropHandlers {
  std::function<DropEffect(const DragState&)> dragOver;
  std::function<void(const std::vector<std::wstring>&)> drop;
};

class DropTarget final : public IDropTarget {
 public:
  explicit DropTarget(DropHandlers handlers) : handlers_(std::move(handlers)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override;
  ULONG STDMETHODCALLTYPE AddRef() noexcept override;
  ULONG STDMETHODCALLTYPE Release() noexcept override;

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) noexcept override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) noexcept override;
  HRESULT STDMETHODCALLTYPE DragLeave() noexcept override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) noexcept override;

 private:
  DWORD Effect(DWORD keys, DragNotification notification) noexcept;

  LONG references_ = 1;
  DropHandlers handlers_;
  bool offersFileList_ = false;
  DWORD lastEffect_ = DROPEFFECT_NONE;
};

// Whether the data offers a shell file list (CF_HDROP), and its paths in their order.
bool OffersFileList(IDataObject* data);
std::vector<std::wstring> FileList(IDataObject* data);

}  // namespace morvane::win32
