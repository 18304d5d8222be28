// The property-change sink the main window advises on every control it
// hosts. The program does not act on a control's property changes; the
// sink is there because the controls tell their container of them. It
// lives inside the main window object, so its reference count does
// nothing.
#pragma once

#include <ocidl.h>

namespace morvex::solo {

class PropertyChangeSink final : public IPropertyNotifySink {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink)) {
      *out = static_cast<IPropertyNotifySink*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 1; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP OnChanged(DISPID) override { return S_OK; }
  STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
};

}  // namespace morvex::solo
