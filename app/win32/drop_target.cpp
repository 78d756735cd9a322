#include "app/win32/drop_target.h"

#include <shellapi.h>
#include <shlguid.h>

#include "platform/program_texts.h"
#include "platform/win32/fatal_failure.h"
#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

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

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

DragState StateOf(DWORD keys, DragNotification notification, bool offersFileList) {
  DragState state;
  state.buttons = (keys & MK_LBUTTON ? kLeftButton : 0) | (keys & MK_RBUTTON ? kRightButton : 0) |
                  (keys & MK_MBUTTON ? kMiddleButton : 0);
  state.modifiers = (keys & MK_SHIFT ? kShiftKey : 0) | (keys & MK_CONTROL ? kCtrlKey : 0) |
                    (keys & MK_ALT ? kAltKey : 0);
  state.notification = notification;
  state.offersFileList = offersFileList;
  return state;
}

}  // namespace

Microsoft::WRL::ComPtr<IDropTargetHelper> DragPictureHelper() {
  Microsoft::WRL::ComPtr<IDropTargetHelper> helper;
  late::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(helper.GetAddressOf()));
  return helper;
}

bool OffersFileList(IDataObject* data) {
  FORMATETC format = FileListFormat();
  return data && data->QueryGetData(&format) == S_OK;
}

std::vector<std::wstring> FileList(IDataObject* data) {
  std::vector<std::wstring> files;
  FORMATETC format = FileListFormat();
  unique_stgmedium medium;
  if (!data || FAILED(data->GetData(&format, medium.receive()))) return files;
  const auto drop = static_cast<HDROP>(medium.get().hGlobal);
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    files.push_back(std::move(path));
  }
  return files;
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) noexcept {
  if (!object) return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IDropTarget) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDropTarget*>(this);
  AddRef();
  return S_OK;
}

ULONG DropTarget::AddRef() noexcept {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG DropTarget::Release() noexcept {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

DWORD DropTarget::Effect(DWORD keys, DragNotification notification) noexcept {
  try {
    const DropEffect effect = handlers_.dragOver(StateOf(keys, notification, offersFileList_));
    return effect == DropEffect::Copy ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  } catch (...) {
    EndAfterFailure(texts::kDragWork);
  }
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) noexcept {
  offersFileList_ = OffersFileList(data);
  lastEffect_ = Effect(keys, DragNotification::Enter);
  if (effect) *effect = lastEffect_;
  POINT point{at.x, at.y};
  if (helper_) helper_->DragEnter(window_, data, &point, lastEffect_);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD keys, POINTL at, DWORD* effect) noexcept {
  lastEffect_ = Effect(keys, DragNotification::Over);
  if (effect) *effect = lastEffect_;
  POINT point{at.x, at.y};
  if (helper_) helper_->DragOver(&point, lastEffect_);
  return S_OK;
}

HRESULT DropTarget::DragLeave() noexcept {
  Effect(0, DragNotification::Leave);
  offersFileList_ = false;
  if (helper_) helper_->DragLeave();
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL at, DWORD* effect) noexcept {
  if (effect) *effect = lastEffect_;  // a drop does not change what the source was told
  offersFileList_ = false;
  POINT point{at.x, at.y};
  if (helper_) helper_->Drop(data, &point, lastEffect_);
  try {
    handlers_.drop(FileList(data));
  } catch (...) {
    EndAfterFailure(texts::kDropWork);
  }
  return S_OK;
}

}  // namespace morvane::win32
