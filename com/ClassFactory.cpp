// The class factory every server class is created through.
#include "com/ClassFactory.h"

#include "com/ComObject.h"
#include "com/Module.h"

namespace morvex::com {
namespace {

class ClassFactory : public Object<IClassFactory> {
 public:
  static const InterfaceEntry* Interfaces() {
    static const InterfaceEntry table[] = {Entry<ClassFactory, IClassFactory>(), kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return create_(iid, out);
  }

  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock) {
      LockModule();
    } else {
      UnlockModule();
    }
    return S_OK;
  }

 protected:
  explicit ClassFactory(HRESULT (*create)(REFIID, void**)) : create_(create) {}

 private:
  HRESULT (*create_)(REFIID, void**);
};

}  // namespace

HRESULT GetClassObject(const ServerClass* classes, REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const ServerClass* entry = classes; entry->clsid; ++entry) {
    if (!IsEqualCLSID(clsid, *entry->clsid)) continue;
    Ptr<ClassFactory> factory;
    HRESULT hr = MakeObject(&factory, entry->create);
    if (FAILED(hr)) return hr;
    return factory->QueryInterface(iid, out);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace morvex::com
