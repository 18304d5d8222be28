// Connection points: the server side of events.
//
// ConnectionPointContainer<Sinks...> gives a class IConnectionPointContainer
// with one connection point per outgoing interface listed (a dispinterface
// such as _IThingEvents, or IPropertyNotifySink on controls):
//
//   class Thing : public com::Object<com::Dispatch<IThing>,
//                                    com::ConnectionPointContainer<_IThingEvents>> { ... };
//   Point<_IThingEvents>().FireDispatch(1, {com::Variant(L"word"), com::Variant(7L)});
//
// A connection point lives inside its object and forwards AddRef and
// Release to it, so a client holding only the point keeps the object alive.
// Advise asks the sink for the point's interface and refuses a sink without
// it (CONNECT_E_CANNOTCONNECT). Events go to a copy of the sink list, so a
// sink may unadvise while it is being called.
#pragma once

#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "com/Automation.h"
#include "com/ComPtr.h"
#include "com/Enumerator.h"

namespace morvex::com {

class ConnectionPoint final : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer* owner, REFIID iid) : owner_(owner), iid_(iid) {}
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  // IUnknown (the owner's count)
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
  STDMETHODIMP_(ULONG) AddRef() override { return owner_->AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return owner_->Release(); }

  // IConnectionPoint
  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** out) override;

  REFIID Iid() const { return iid_; }
  bool HasSinks() const { return !connections_.empty(); }

  // The connected sinks as the point's interface SinkItf (the caller names
  // the interface this point is for), taken as a copy.
  template <class SinkItf>
  std::vector<Ptr<SinkItf>> Sinks() const {
    std::vector<Ptr<SinkItf>> sinks;
    sinks.reserve(connections_.size());
    for (const Connection& connection : connections_)
      sinks.emplace_back(reinterpret_cast<SinkItf*>(connection.sink.Get()));
    return sinks;
  }

  // Calls method `id` of the dispinterface on every sink, with `arguments`
  // in their declared order (they are reversed into DISPPARAMS here).
  // Failures of single sinks are not reported.
  HRESULT FireDispatch(DISPID id, const VARIANT* arguments, UINT count);
  HRESULT FireDispatch(DISPID id, std::initializer_list<Variant> arguments = {});

 private:
  struct Connection {
    DWORD cookie;
    Ptr<IUnknown> sink;  // the sink as the point's interface
  };

  IConnectionPointContainer* owner_;
  IID iid_;
  std::vector<Connection> connections_;
  DWORD nextCookie_ = 1;
};

template <class... Sinks>
class ConnectionPointContainer : public IConnectionPointContainer {
  static_assert(sizeof...(Sinks) > 0, "a container offers at least one connection point");

 public:
  STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (ConnectionPoint& point : points_) {
      if (IsEqualIID(point.Iid(), iid)) {
        *out = &point;
        point.AddRef();
        return S_OK;
      }
    }
    return CONNECT_E_NOCONNECTION;
  }

  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override {
    IConnectionPoint* points[sizeof...(Sinks)];
    for (size_t i = 0; i < points_.size(); ++i) points[i] = &points_[i];
    return MakeEnumerator<IEnumConnectionPoints>(points, points_.size(), out);
  }

 protected:
  ConnectionPointContainer() : points_{{ConnectionPoint(this, __uuidof(Sinks))...}} {}

  // The connection point of outgoing interface Sink.
  template <class Sink>
  ConnectionPoint& Point() {
    static_assert(IndexOf<Sink>() < sizeof...(Sinks), "not an outgoing interface of this class");
    return points_[IndexOf<Sink>()];
  }

 private:
  template <class Sink>
  static constexpr size_t IndexOf() {
    constexpr bool matches[] = {std::is_same_v<Sink, Sinks>...};
    for (size_t i = 0; i < sizeof...(Sinks); ++i)
      if (matches[i]) return i;
    return sizeof...(Sinks);
  }

  std::array<ConnectionPoint, sizeof...(Sinks)> points_;
};

}  // namespace morvex::com
