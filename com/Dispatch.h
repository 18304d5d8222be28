// Dispatch<Itf>: IDispatch for a dual interface, answered by the type
// description of Itf in the module's own type library, so DISPIDs, names
// and late binding are exactly what the IDL declares.
//
// A class derives from com::Dispatch<IThing> in place of IThing and lists
// both IThing and IDispatch (through IThing) in its interface table.
// Invoke calls the vtable of Itf through ITypeInfo::Invoke, which also turns
// the error information a method sets into EXCEPINFO.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include "com/ComPtr.h"
#include "com/Module.h"

namespace morvex::com {

template <class Itf>
class Dispatch : public Itf {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }

  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    HRESULT hr = LoadTypeInfo();
    if (SUCCEEDED(hr)) typeInfo_.CopyTo(out);
    return hr;
  }

  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
  }

  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) override {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return typeInfo_->Invoke(static_cast<Itf*>(this), id, flags, params, result, exception,
                             argumentError);
  }

 private:
  HRESULT LoadTypeInfo() {
    if (typeInfo_) return S_OK;
    return ModuleTypeInfo(__uuidof(Itf), typeInfo_.Put());
  }

  Ptr<ITypeInfo> typeInfo_;
};

}  // namespace morvex::com
