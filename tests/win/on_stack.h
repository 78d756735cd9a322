#pragma once
// A COM object of a test that lives on the test's stack: it counts no references and answers
// for its one interface.
#include <windows.h>
#include <unknwn.h>

namespace morvane::testing {

template <class Interface>
class OnStack : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != __uuidof(Interface)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<Interface*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

}  // namespace morvane::testing
