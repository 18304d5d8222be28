// Connection points: advising, unadvising, enumerating and firing.
#include "com/ConnectionPoints.h"

#include <algorithm>
#include <new>

#include "com/Enumerator.h"

namespace morvex::com {

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IConnectionPoint))
    return E_NOINTERFACE;
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = owner_;
  owner_->AddRef();
  return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  Ptr<IUnknown> typed;
  if (FAILED(sink->QueryInterface(iid_, typed.PutVoid())) || !typed) return CONNECT_E_CANNOTCONNECT;
  try {
    connections_.push_back({nextCookie_, typed});
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  *cookie = nextCookie_++;
  return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
  for (auto it = connections_.begin(); it != connections_.end(); ++it) {
    if (it->cookie == cookie) {
      // Released after the list is consistent: the sink may call back.
      Ptr<IUnknown> sink = std::move(it->sink);
      connections_.erase(it);
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  std::vector<CONNECTDATA> data;
  try {
    data.reserve(connections_.size());
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  for (const Connection& connection : connections_)
    data.push_back({connection.sink.Get(), connection.cookie});  // borrowed, not owned
  return MakeEnumerator<IEnumConnections>(data.data(), data.size(), out);
}

HRESULT ConnectionPoint::FireDispatch(DISPID id, const VARIANT* arguments, UINT count) {
  if (count > 0 && !arguments) return E_POINTER;
  if (connections_.empty()) return S_OK;
  std::vector<VARIANTARG> reversed;
  std::vector<Ptr<IDispatch>> sinks;
  try {
    reversed.assign(arguments, arguments + count);  // shallow: the caller keeps ownership
    sinks = Sinks<IDispatch>();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  std::reverse(reversed.begin(), reversed.end());
  DISPPARAMS params = {reversed.data(), nullptr, count, 0};
  for (const Ptr<IDispatch>& sink : sinks)
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                 nullptr);
  return S_OK;
}

HRESULT ConnectionPoint::FireDispatch(DISPID id, std::initializer_list<Variant> arguments) {
  std::vector<VARIANT> values;
  try {
    values.reserve(arguments.size());
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  for (const Variant& argument : arguments) values.push_back(argument.Get());  // borrowed
  return FireDispatch(id, values.data(), static_cast<UINT>(values.size()));
}

}  // namespace morvex::com
