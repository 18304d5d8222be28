// AxHostSite: the object behind one "AtlAxWin" window. It is the window's
// handler and, to the control it holds, the container: client site,
// in-place site, control site, the in-place frame, and the ambient
// properties through IDispatch. The window holds one reference on it from
// WM_NCCREATE to WM_NCDESTROY.
//
// Used only by com/AxHost.cpp, which registers the class and gives the
// public functions.
#pragma once

#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <map>

#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/ComObject.h"
#include "com/Window.h"

namespace morvex::com {

class AxHostSite
    : public Object<IOleClientSite, IOleInPlaceSite, IOleControlSite, IOleInPlaceFrame, IDispatch>,
      public Window {
 public:
  static const InterfaceEntry* Interfaces();

  // The object of a host window of this module, or null.
  static AxHostSite* FromWindow(HWND window);
  // The maker of the shared class: a new site for a new host window.
  static Window* MakeForWindow(HWND window, const CREATESTRUCTA& creation);

  HRESULT CreateControl(const wchar_t* name, IStream* stream, REFIID sinkIid, IUnknown* sink);
  // Lets go of the control in the order a control expects; S_FALSE when
  // there is none.
  HRESULT ReleaseControl();
  IUnknown* control() const { return control_.Get(); }
  HRESULT SetAmbient(DISPID dispid, const VARIANT& value);

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return S_OK; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, for the in-place site and the frame
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override;
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override;
  STDMETHODIMP DiscardUndoState() override { return S_OK; }
  STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
  STDMETHODIMP OnPosRectChange(LPCRECT position) override;

  // IOleControlSite
  STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP GetExtendedControl(IDispatch** control) override;
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
  STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

  // IOleInPlaceUIWindow, IOleInPlaceFrame: a frame without tools or menus
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // IDispatch: the ambient properties
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHODIMP Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO*, UINT*) override;

 protected:
  AxHostSite() = default;

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage() override;

 private:
  LRESULT OnCreate(const CREATESTRUCTA& creation);
  LRESULT OnSize();
  LRESULT OnSetFocus();
  LRESULT OnEraseBackground(HDC dc);
  LRESULT OnForwardMessage(MSG* message);

  RECT ClientArea() const;
  HRESULT DefaultAmbient(DISPID dispid, Variant* value);

  Ptr<IUnknown> control_;
  Ptr<IOleObject> object_;
  Ptr<IOleInPlaceActiveObject> activeObject_;
  AxConnection creationSink_;
  bool inPlaceActive_ = false;
  std::map<DISPID, Variant> ambients_;  // the values set, over the defaults
  Ptr<IFontDisp> defaultFont_;          // made when first asked for
};

}  // namespace morvex::com
