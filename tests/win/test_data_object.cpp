#include "tests/win/test_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace morvane::testing {

namespace {

// Offers one format, as an HGLOBAL that each GetData hands out a copy of.
class OneFormatData final : public IDataObject {
 public:
  OneFormatData(CLIPFORMAT format, std::vector<unsigned char> bytes)
      : format_(format), bytes_(std::move(bytes)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDataObject) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
    std::memcpy(GlobalLock(copy), bytes_.data(), bytes_.size());
    GlobalUnlock(copy);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format->cfFormat == format_ && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  ULONG references_ = 1;
  CLIPFORMAT format_;
  std::vector<unsigned char> bytes_;
};

Microsoft::WRL::ComPtr<IDataObject> Wrap(IDataObject* data) {
  Microsoft::WRL::ComPtr<IDataObject> owned;
  owned.Attach(data);
  return owned;
}

}  // namespace

Microsoft::WRL::ComPtr<IDataObject> FileListData(const std::vector<std::wstring>& paths) {
  // DROPFILES, then the wide paths, each ended by a NUL, and one more NUL at the end.
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  list += L'\0';
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::vector<unsigned char> bytes(sizeof header + list.size() * sizeof(wchar_t));
  std::memcpy(bytes.data(), &header, sizeof header);
  std::memcpy(bytes.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));
  return Wrap(new OneFormatData(CF_HDROP, std::move(bytes)));
}

Microsoft::WRL::ComPtr<IDataObject> TextData(const std::wstring& text) {
  const auto* begin = reinterpret_cast<const unsigned char*>(text.c_str());
  std::vector<unsigned char> bytes(begin, begin + (text.size() + 1) * sizeof(wchar_t));
  return Wrap(new OneFormatData(CF_UNICODETEXT, std::move(bytes)));
}

}  // namespace morvane::testing
