// EventSink: the container side of events. One sink object receives the
// events of one dispinterface from one source and calls the C++ handler
// registered for each DISPID; events without a handler are ignored.
//
//   com::Ptr<com::EventSink> sink;
//   com::EventSink::Create(DIID__IThingEvents, &sink);
//   sink->On(1, [&](com::EventArguments& args) { word = args.String(0); });
//   sink->Connect(thing.Get());
//   ...
//   sink->Disconnect();   // the point holds the sink and the sink the point:
//                         // disconnect before letting go of either
#pragma once

#include <oaidl.h>
#include <ocidl.h>
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "com/ComObject.h"

namespace morvex::com {

// The arguments of one event, indexed in their declared order (DISPPARAMS
// holds them reversed). By-reference arguments may be written through At.
class EventArguments {
 public:
  explicit EventArguments(DISPPARAMS* params) : params_(params) {}

  UINT Count() const { return params_ ? params_->cArgs : 0; }
  // The argument at `index`, or null when there are not that many.
  VARIANT* At(UINT index) const;
  // The argument converted to a number; 0 when it is missing or not one.
  long Long(UINT index) const;
  // The argument converted to text; empty when it is missing or not one.
  std::wstring String(UINT index) const;

 private:
  DISPPARAMS* params_;
};

// The connection point for `iid` of the object `source`.
HRESULT FindConnectionPoint(IUnknown* source, REFIID iid, Ptr<IConnectionPoint>* point);

class EventSink : public Object<IDispatch> {
 public:
  using Handler = std::function<void(EventArguments& arguments)>;

  static HRESULT Create(REFIID eventIid, Ptr<EventSink>* out);

  static const InterfaceEntry* Interfaces();
  // Also answers the event dispinterface.
  HRESULT QueryOtherInterface(REFIID iid, void** out);

  // Calls `handler` for event `id` (replacing an earlier handler of it).
  void On(DISPID id, Handler handler);

  // Advises this sink on `source`'s connection point for the event
  // interface; one source at a time (E_UNEXPECTED while connected).
  HRESULT Connect(IUnknown* source);
  // Unadvises; S_FALSE when not connected.
  HRESULT Disconnect();
  bool Connected() const { return static_cast<bool>(point_); }

  // IDispatch: events arrive through Invoke; there is no type information.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** out) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO*, UINT*) override;

 protected:
  explicit EventSink(REFIID eventIid) : eventIid_(eventIid) {}

 private:
  IID eventIid_;
  std::vector<std::pair<DISPID, Handler>> handlers_;
  Ptr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace morvex::com
