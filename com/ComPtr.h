// Ptr<T>: an owning COM interface pointer. Holds one reference and gives it
// back when it goes away, so that no early return leaks an object.
//
// Used by every COM server, control and container of the system, and by
// the framework itself. Interfaces are named by type; their IIDs come from
// __uuidof, which the widl headers and the platform headers both provide.
#pragma once

#include <unknwn.h>
#include <windows.h>

#include <utility>

namespace morvex::com {

template <class T>
class Ptr {
 public:
  Ptr() = default;
  // Adds a reference to `pointer` (which may be null).
  Ptr(T* pointer) : pointer_(pointer) {  // NOLINT: implicit, as a raw pointer converts
    if (pointer_) pointer_->AddRef();
  }
  Ptr(const Ptr& other) : Ptr(other.pointer_) {}
  Ptr(Ptr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  template <class U>
  Ptr(const Ptr<U>& other) : Ptr(other.Get()) {}
  ~Ptr() { Reset(); }

  Ptr& operator=(Ptr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }

  // Takes over a reference the caller already owns (an out value of a COM call).
  static Ptr Adopt(T* pointer) {
    Ptr result;
    result.pointer_ = pointer;
    return result;
  }

  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  T& operator*() const { return *pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // Releases what is held and gives the slot to a COM call that fills it:
  //   CoCreateInstance(..., IID_PPV_ARGS(thing.Put()))
  T** Put() {
    Reset();
    return &pointer_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  // Hands the reference to the caller (an out parameter of our own method).
  T* Detach() { return std::exchange(pointer_, nullptr); }

  // Copies the reference into an out parameter, adding one.
  void CopyTo(T** out) const {
    *out = pointer_;
    if (pointer_) pointer_->AddRef();
  }

  void Reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

  // Asks the object for another interface; `out` is emptied on failure.
  template <class U>
  HRESULT As(Ptr<U>* out) const {
    if (!pointer_) {
      out->Reset();
      return E_POINTER;
    }
    return pointer_->QueryInterface(__uuidof(U), out->PutVoid());
  }

 private:
  T* pointer_ = nullptr;
};

template <class T, class U>
bool operator==(const Ptr<T>& a, const Ptr<U>& b) {
  return a.Get() == b.Get();
}
template <class T, class U>
bool operator!=(const Ptr<T>& a, const Ptr<U>& b) {
  return !(a == b);
}

// True when both pointers name the same COM object (compared through IUnknown).
bool SameObject(IUnknown* a, IUnknown* b);

}  // namespace morvex::com
