#include "app/SheetClientSite.h"

namespace morvex::solo {

const com::InterfaceEntry* SheetClientSite::Interfaces() {
  static const com::InterfaceEntry table[] = {
      com::Entry<SheetClientSite, IUnknown, IOleClientSite>(),
      com::Entry<SheetClientSite, IOleClientSite>(), com::Entry<SheetClientSite, IOleWindow>(),
      com::kEndOfInterfaces};
  return table;
}

STDMETHODIMP SheetClientSite::SaveObject() { return S_OK; }

STDMETHODIMP SheetClientSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP SheetClientSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP SheetClientSite::ShowObject() { return S_OK; }

STDMETHODIMP SheetClientSite::OnShowWindow(BOOL) { return S_OK; }

STDMETHODIMP SheetClientSite::RequestNewObjectLayout() { return E_NOTIMPL; }

STDMETHODIMP SheetClientSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = owner_;
  return S_OK;
}

STDMETHODIMP SheetClientSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

}  // namespace morvex::solo
