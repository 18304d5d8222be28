// The client site the status bar gives the settings control while its
// dialog runs: the control asks it only for the window that owns it. It
// offers no IDispatch, so the control keeps its own default ambient
// properties; everything else it answers without doing anything.
//
// Used by the settings flow (SettingsFlow.h).
#pragma once

#include <ole2.h>
#include <windows.h>

#include "com/ComObject.h"

namespace morvex::solo {

class SheetClientSite : public com::Object<IOleClientSite, IOleWindow> {
 public:
  static const com::InterfaceEntry* Interfaces();

  // IOleClientSite
  STDMETHODIMP SaveObject() override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override;
  STDMETHODIMP OnShowWindow(BOOL show) override;
  STDMETHODIMP RequestNewObjectLayout() override;
  // IOleWindow: the owner window.
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;

 protected:
  explicit SheetClientSite(HWND owner) : owner_(owner) {}

 private:
  HWND owner_;
};

}  // namespace morvex::solo
