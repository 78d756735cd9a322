#pragma once
// An OLE drop target that hands drags of shell file lists to the window logic.
#include <windows.h>
#include <oleidl.h>
#include <shobjidl.h>
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

// Explorer's drag picture stays on the screen over `window`, the target, while `helper`, the
// shell's drag picture service, is told of every step; without one there is no picture.
class DropTarget final : public IDropTarget {
 public:
  DropTarget(DropHandlers handlers, HWND window, Microsoft::WRL::ComPtr<IDropTargetHelper> helper)
      : handlers_(std::move(handlers)), window_(window), helper_(std::move(helper)) {}

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
  HWND window_;
  Microsoft::WRL::ComPtr<IDropTargetHelper> helper_;
  bool offersFileList_ = false;
  DWORD lastEffect_ = DROPEFFECT_NONE;
};

// The shell's drag picture service; null where the system offers none.
Microsoft::WRL::ComPtr<IDropTargetHelper> DragPictureHelper();

// Whether the data offers a shell file list (CF_HDROP), and its paths in their order.
bool OffersFileList(IDataObject* data);
std::vector<std::wstring> FileList(IDataObject* data);

}  // namespace morvane::win32
