// Control<Dual, Events>: what a windowed ActiveX control class derives
// from. It joins the object base, IDispatch over the type library for the
// control's dual interface, the OLE control protocol of ControlBase, the
// control's class information, error information for its dual interface
// (com::ReportError, as servers use it) and its two connection points: the
// event dispinterface and IPropertyNotifySink (the stock puts notify it).
//
//   class Pane : public com::Control<IPane, _IPaneEvents> {
//    public:
//     static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<Pane>(); }
//     STDMETHODIMP put_BackColor(OLE_COLOR color) override { return PutStockBackColor(color); }
//     ...
//    protected:
//     Pane() : Control(CLSID_Pane, {L"MorvexPaneWindow"}) {}
//     void OnDraw(HDC dc, const RECT& bounds) override;
//     bool OnWindowMessage(UINT message, WPARAM, LPARAM, LRESULT* result) override;
//   };
//
// Events go out with FireEvent (arguments in their declared order); while
// the container has frozen events they are dropped.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include <initializer_list>

#include "com/Automation.h"
#include "com/ComObject.h"
#include "com/ConnectionPoints.h"
#include "com/ControlBase.h"
#include "com/Dispatch.h"
#include "com/ErrorInfo.h"
#include "com/Module.h"

namespace morvex::com {

template <class Dual, class Events>
class Control : public Object<Dispatch<Dual>, IProvideClassInfo2, SupportErrorInfo<Dual>,
                              ConnectionPointContainer<Events, IPropertyNotifySink>>,
                public ControlBase {
 public:
  // IUnknown once more: the control base brings its own copies.
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override = 0;
  STDMETHODIMP_(ULONG) AddRef() override = 0;
  STDMETHODIMP_(ULONG) Release() override = 0;

  // IProvideClassInfo2: the coclass from the module's type library, and the
  // event dispinterface as the default source.
  STDMETHODIMP GetClassInfo(ITypeInfo** info) override {
    if (!info) return E_POINTER;
    return ModuleTypeInfo(classId(), info);
  }
  STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = __uuidof(Events);
    return S_OK;
  }

 protected:
  Control(REFCLSID clsid, const WindowClassSpec& windowClass) : ControlBase(clsid, windowClass) {}

  // The object base calls this after the last release, the object whole.
  void OnFinalRelease() { EndOfLife(); }

  // The interface table of control class T: its dual interface first (the
  // object's identity), every interface of the control protocol, then
  // Extra (interfaces of the control's own).
  template <class T, class... Extra>
  static const InterfaceEntry* ControlInterfaces() {
    static const InterfaceEntry table[] = {Entry<T, Dual>(),
                                           Entry<T, IDispatch, Dual>(),
                                           Entry<T, IOleObject>(),
                                           Entry<T, IOleInPlaceObject>(),
                                           Entry<T, IOleWindow, IOleInPlaceObject>(),
                                           Entry<T, IOleInPlaceActiveObject>(),
                                           Entry<T, IOleControl>(),
                                           Entry<T, IViewObject2>(),
                                           Entry<T, IViewObject, IViewObject2>(),
                                           Entry<T, IPersistStreamInit>(),
                                           Entry<T, IPersist, IPersistStreamInit>(),
                                           Entry<T, IProvideClassInfo2>(),
                                           Entry<T, IProvideClassInfo, IProvideClassInfo2>(),
                                           Entry<T, IConnectionPointContainer>(),
                                           Entry<T, ISupportErrorInfo>(),
                                           Entry<T, Extra>()...,
                                           kEndOfInterfaces};
    return table;
  }

  // Fires event `id` to every connected sink; S_FALSE while frozen.
  HRESULT FireEvent(DISPID id, std::initializer_list<Variant> arguments = {}) {
    if (eventsFrozen()) return S_FALSE;
    return this->template Point<Events>().FireDispatch(id, arguments);
  }

  HRESULT FireOnRequestEdit(DISPID dispid) override {
    for (const Ptr<IPropertyNotifySink>& sink : PropertySinks()) {
      if (sink->OnRequestEdit(dispid) == S_FALSE) return S_FALSE;
    }
    return S_OK;
  }

  void FireOnChanged(DISPID dispid) override {
    for (const Ptr<IPropertyNotifySink>& sink : PropertySinks()) sink->OnChanged(dispid);
  }

 private:
  std::vector<Ptr<IPropertyNotifySink>> PropertySinks() {
    return this->template Point<IPropertyNotifySink>().template Sinks<IPropertyNotifySink>();
  }
};

}  // namespace morvex::com
