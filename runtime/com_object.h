#pragma once
// The IUnknown of an object that implements one COM interface: it starts with
// one reference, its creator's, and deletes itself with the last.
#include <windows.h>
#include <unknwn.h>

namespace oravin {

template <typename Interface>
class ComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(Interface)) ? this : nullptr;
    if (!*object) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  // Interlocked: a proxy may release its reference from another thread.
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return ULONG(left);
  }

 protected:
  virtual ~ComObject() = default;

 private:
  LONG references_ = 1;
};

}  // namespace oravin
