#include "com/tests/control/TestSite.h"

namespace morvex::com::testing {

const InterfaceEntry* TestSite::Interfaces() {
  static const InterfaceEntry table[] = {Entry<TestSite, IOleClientSite>(),
                                         Entry<TestSite, IOleInPlaceSite>(),
                                         Entry<TestSite, IOleWindow, IOleInPlaceSite>(),
                                         Entry<TestSite, IOleControlSite>(),
                                         Entry<TestSite, IDispatch>(),
                                         Entry<TestSite, IOleInPlaceFrame>(),
                                         Entry<TestSite, IOleInPlaceUIWindow, IOleInPlaceFrame>(),
                                         kEndOfInterfaces};
  return table;
}

STDMETHODIMP TestSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TestSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP TestSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = window_;
  return window_ ? S_OK : E_FAIL;
}

STDMETHODIMP TestSite::OnInPlaceActivate() {
  calls_.push_back("OnInPlaceActivate");
  return S_OK;
}

STDMETHODIMP TestSite::OnUIActivate() {
  calls_.push_back("OnUIActivate");
  return S_OK;
}

STDMETHODIMP TestSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                        LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !document || !position || !clip) return E_POINTER;
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  // The document window too, as a container with one window offers it.
  *document = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  GetClientRect(window_, position);
  *clip = *position;
  if (info) {
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

STDMETHODIMP TestSite::OnUIDeactivate(BOOL) {
  calls_.push_back("OnUIDeactivate");
  return S_OK;
}

STDMETHODIMP TestSite::OnInPlaceDeactivate() {
  calls_.push_back("OnInPlaceDeactivate");
  return S_OK;
}

STDMETHODIMP TestSite::GetExtendedControl(IDispatch** control) {
  if (control) *control = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TestSite::OnFocus(BOOL focused) {
  calls_.push_back(focused ? "OnFocus(1)" : "OnFocus(0)");
  return S_OK;
}

STDMETHODIMP TestSite::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP TestSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP TestSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP TestSite::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS*,
                              VARIANT* result, EXCEPINFO*, UINT*) {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  auto ambient = ambients_.find(dispid);
  if (ambient == ambients_.end() || !(flags & DISPATCH_PROPERTYGET)) {
    return DISP_E_MEMBERNOTFOUND;
  }
  if (!result) return E_POINTER;
  return ambient->second.CopyTo(result);
}

STDMETHODIMP TestSite::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
  calls_.push_back(object ? "SetActiveObject" : "SetActiveObject(null)");
  activeObject_ = object;
  return S_OK;
}

}  // namespace morvex::com::testing
