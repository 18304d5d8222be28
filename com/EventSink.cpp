// The container-side event sink: advising on a source and dispatching the
// events it receives to handlers by DISPID.
#include "com/EventSink.h"

#include <utility>

#include "com/Automation.h"

namespace morvex::com {

VARIANT* EventArguments::At(UINT index) const {
  if (index >= Count()) return nullptr;
  return &params_->rgvarg[params_->cArgs - 1 - index];
}

long EventArguments::Long(UINT index) const {
  VARIANT* argument = At(index);
  Variant number;
  if (!argument || FAILED(VariantChangeType(number.Address(), argument, 0, VT_I4))) return 0;
  return number.Get().lVal;
}

std::wstring EventArguments::String(UINT index) const {
  VARIANT* argument = At(index);
  Variant text;
  if (!argument || FAILED(VariantChangeType(text.Address(), argument, 0, VT_BSTR)) ||
      !text.Get().bstrVal)
    return std::wstring();
  return std::wstring(text.Get().bstrVal, SysStringLen(text.Get().bstrVal));
}

HRESULT EventSink::Create(REFIID eventIid, Ptr<EventSink>* out) {
  return MakeObject(out, eventIid);
}

const InterfaceEntry* EventSink::Interfaces() {
  static const InterfaceEntry table[] = {Entry<EventSink, IDispatch>(), kEndOfInterfaces};
  return table;
}

HRESULT EventSink::QueryOtherInterface(REFIID iid, void** out) {
  *out = nullptr;
  if (!IsEqualIID(iid, eventIid_)) return E_NOINTERFACE;
  *out = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

void EventSink::On(DISPID id, Handler handler) {
  for (auto& entry : handlers_) {
    if (entry.first == id) {
      entry.second = std::move(handler);
      return;
    }
  }
  handlers_.emplace_back(id, std::move(handler));
}

HRESULT FindConnectionPoint(IUnknown* source, REFIID iid, Ptr<IConnectionPoint>* point) {
  point->Reset();
  if (!source) return E_POINTER;
  Ptr<IConnectionPointContainer> container;
  HRESULT hr = source->QueryInterface(IID_IConnectionPointContainer, container.PutVoid());
  if (FAILED(hr)) return hr;
  return container->FindConnectionPoint(iid, point->Put());
}

HRESULT EventSink::Connect(IUnknown* source) {
  if (!source) return E_POINTER;
  if (point_) return E_UNEXPECTED;
  Ptr<IConnectionPoint> point;
  HRESULT hr = FindConnectionPoint(source, eventIid_, &point);
  if (FAILED(hr)) return hr;
  DWORD cookie = 0;
  hr = point->Advise(static_cast<IDispatch*>(this), &cookie);
  if (FAILED(hr)) return hr;
  point_ = point;
  cookie_ = cookie;
  return S_OK;
}

HRESULT EventSink::Disconnect() {
  if (!point_) return S_FALSE;
  Ptr<IConnectionPoint> point = std::move(point_);
  return point->Unadvise(std::exchange(cookie_, 0));
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID iid, LCID, WORD, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO*, UINT*) {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (result) VariantInit(result);
  for (auto& entry : handlers_) {
    if (entry.first != id) continue;
    // A copy, so a handler may replace itself or others while it runs.
    Handler handler = entry.second;
    EventArguments arguments(params);
    handler(arguments);
    break;
  }
  return S_OK;
}

}  // namespace morvex::com
