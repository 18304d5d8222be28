// The object base of our COM framework: reference counting, the interface
// table that answers QueryInterface, and creation.
//
// Every COM class of the servers and controls is written like this:
//
//   class Thing : public com::Object<com::Dispatch<IThing>, com::SupportErrorInfo<IThing>> {
//    public:
//     static const com::InterfaceEntry* Interfaces() {
//       static const com::InterfaceEntry table[] = {
//           com::Entry<Thing, IThing>(), com::Entry<Thing, IDispatch, IThing>(),
//           com::Entry<Thing, ISupportErrorInfo>(), com::kEndOfInterfaces};
//       return table;
//     }
//     // IThing ...
//    protected:
//     Thing(...);                     // reached only through com::Instance<Thing>
//     HRESULT Initialize();           // optional second step, may fail
//   };
//
//   com::Ptr<Thing> thing;
//   HRESULT hr = com::MakeObject(&thing, ...);
//
// The first table entry is the object's identity (its IUnknown). An entry
// names the class, the interface and, when the interface is reached through
// another base (IDispatch through the dual interface), that base.
// Instance<T> is the most derived class; it supplies IUnknown. Each live
// object holds a lock on its module, so DllCanUnloadNow says S_OK only when
// every object is gone.
#pragma once

#include <unknwn.h>
#include <windows.h>

#include <new>
#include <utility>

#include "com/ComPtr.h"

namespace morvex::com {

// One row of an interface table: the IID and how to reach that interface
// from the object.
struct InterfaceEntry {
  const IID* iid;
  void* (*cast)(void* object);
};

inline constexpr InterfaceEntry kEndOfInterfaces = {nullptr, nullptr};

template <class T, class Itf, class Via>
void* CastToInterface(void* object) {
  return static_cast<Itf*>(static_cast<Via*>(static_cast<T*>(object)));
}

// The table row for interface Itf of class T, reached through its base Via.
template <class T, class Itf, class Via = Itf>
InterfaceEntry Entry() {
  return {&__uuidof(Itf), &CastToInterface<T, Itf, Via>};
}

// Looks `iid` up in `table` for `object` (a T* as void*): on a match stores
// the interface with a reference added; else E_NOINTERFACE and null.
HRESULT QueryInterfaceTable(void* object, const InterfaceEntry* table, REFIID iid, void** out);

// Reference count and module lock of one object.
class ObjectRoot {
 public:
  ObjectRoot(const ObjectRoot&) = delete;
  ObjectRoot& operator=(const ObjectRoot&) = delete;

 protected:
  ObjectRoot();
  virtual ~ObjectRoot();

  // The second construction step; classes that need one hide it with their own.
  HRESULT Initialize() { return S_OK; }

  // Asked for an interface the table does not list (one known only at run
  // time); classes that answer such interfaces hide it with their own.
  HRESULT QueryOtherInterface(REFIID, void** out) {
    *out = nullptr;
    return E_NOINTERFACE;
  }

  // The last reference went and the object is still whole, about to be
  // deleted; classes that must undo something before their parts go (a
  // window whose messages reach virtual handlers) hide it with their own.
  void OnFinalRelease() {}

  ULONG AddReference();
  ULONG ReleaseReference();
  // From the last release on, references taken and given back during the
  // object's end (an event fired while its window goes) never bring the
  // count to zero a second time.
  void BeginDestruction();

 private:
  volatile LONG references_ = 0;
};

// The base of a COM class: the object root plus the interfaces (or their
// implementations such as Dispatch<IThing>) it derives from. IUnknown is
// redeclared here so that calls on the class itself are not ambiguous.
template <class... Interfaces>
class Object : public ObjectRoot, public Interfaces... {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override = 0;
  STDMETHODIMP_(ULONG) AddRef() override = 0;
  STDMETHODIMP_(ULONG) Release() override = 0;
};

// The most derived class of every object: IUnknown over T's interface table.
template <class T>
class Instance final : public T {
 public:
  template <class... Args>
  explicit Instance(Args&&... args) : T(std::forward<Args>(args)...) {}

  // Makes an object and runs its Initialize; `out` holds the one reference.
  template <class... Args>
  static HRESULT Create(Ptr<T>* out, Args&&... args) {
    out->Reset();
    Instance* object = new (std::nothrow) Instance(std::forward<Args>(args)...);
    if (!object) return E_OUTOFMEMORY;
    Ptr<T> held(object);
    HRESULT hr = object->Initialize();
    if (FAILED(hr)) return hr;
    *out = std::move(held);
    return S_OK;
  }

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    HRESULT hr = QueryInterfaceTable(static_cast<T*>(this), T::Interfaces(), iid, out);
    return hr == E_NOINTERFACE ? this->QueryOtherInterface(iid, out) : hr;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return this->AddReference(); }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG left = this->ReleaseReference();
    if (left == 0) {
      this->BeginDestruction();
      this->OnFinalRelease();
      delete this;
    }
    return left;
  }
};

// Makes an object of class T for use inside the server.
template <class T, class... Args>
HRESULT MakeObject(Ptr<T>* out, Args&&... args) {
  return Instance<T>::Create(out, std::forward<Args>(args)...);
}

// Makes an object of class T and hands out interface `iid` (what a class
// factory does).
template <class T>
HRESULT CreateObject(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  Ptr<T> object;
  HRESULT hr = MakeObject(&object);
  if (FAILED(hr)) return hr;
  return object->QueryInterface(iid, out);
}

}  // namespace morvex::com
