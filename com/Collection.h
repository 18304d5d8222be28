// Collection<ItemItf>: the item list behind a 1-based Automation collection
// (Count, Item, Add, Remove, _NewEnum) whose items are objects with the
// dual interface ItemItf. A collection class holds one and forwards its
// interface methods to it:
//
//   STDMETHODIMP get_Count(long* count) override { return items_.Count(count); }
//   STDMETHODIMP get_Item(long index, IVelHotKey** item) override { return items_.Item(index,
//   item); }
//
// Items are kept as VT_DISPATCH values holding a reference, in the order of
// Add; the same object added twice counts twice. Indexes outside 1..Count
// are refused with E_INVALIDARG, null out pointers with E_POINTER, an object
// without ItemItf with E_UNEXPECTED. An enumerator works on a copy of the
// list made when it is asked for.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <new>
#include <vector>

#include "com/Automation.h"
#include "com/ComPtr.h"
#include "com/Enumerator.h"

namespace morvex::com {

template <class ItemItf>
class Collection {
 public:
  HRESULT Count(long* count) const {
    if (!count) return E_POINTER;
    *count = static_cast<long>(items_.size());
    return S_OK;
  }

  HRESULT Add(IUnknown* item) {
    Ptr<ItemItf> typed;
    if (!item || FAILED(item->QueryInterface(__uuidof(ItemItf), typed.PutVoid())))
      return E_UNEXPECTED;
    try {
      items_.emplace_back(static_cast<IDispatch*>(typed.Get()));
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
    return S_OK;
  }

  HRESULT Remove(long index) {
    if (!IsValid(index)) return E_INVALIDARG;
    items_.erase(items_.begin() + (index - 1));
    return S_OK;
  }

  HRESULT Item(long index, ItemItf** item) const {
    if (!item) return E_POINTER;
    *item = nullptr;
    if (!IsValid(index)) return E_INVALIDARG;
    IDispatch* object = items_[index - 1].Get().pdispVal;
    if (!object ||
        FAILED(object->QueryInterface(__uuidof(ItemItf), reinterpret_cast<void**>(item))))
      return E_UNEXPECTED;
    return S_OK;
  }

  HRESULT NewEnum(IUnknown** enumerator) const {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    std::vector<VARIANT> values;
    try {
      values.reserve(items_.size());
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
    for (const Variant& value : items_) values.push_back(value.Get());  // borrowed, not owned
    IEnumVARIANT* made = nullptr;
    HRESULT hr = MakeEnumerator<IEnumVARIANT>(values.data(), values.size(), &made);
    if (FAILED(hr)) return hr;
    *enumerator = made;
    return S_OK;
  }

  // For the server's own walks over its items (0-based, no reference added).
  size_t Size() const { return items_.size(); }
  IDispatch* At(size_t zeroBased) const { return items_[zeroBased].Get().pdispVal; }
  void Clear() { items_.clear(); }

 private:
  bool IsValid(long index) const {
    return index >= 1 && static_cast<size_t>(index) <= items_.size();
  }

  std::vector<Variant> items_;
};

}  // namespace morvex::com
