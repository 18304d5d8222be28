// Enumerator<EnumItf, Item>: one implementation of the IEnumXXX family
// (IEnumVARIANT, IEnumConnections, IEnumConnectionPoints ...) over a copy of
// the items taken when it is made, so later changes to the source do not
// reach it. Item copies follow the rules of their type: VARIANTs are copied,
// interface pointers and CONNECTDATA add a reference.
//
//   return com::MakeEnumerator<IEnumVARIANT>(items.data(), items.size(), out);
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <new>
#include <vector>

#include "com/ComObject.h"

namespace morvex::com {

template <class Item>
struct EnumItemTraits;

template <>
struct EnumItemTraits<VARIANT> {
  static HRESULT Copy(VARIANT* to, const VARIANT& from) {
    VariantInit(to);
    return VariantCopy(to, const_cast<VARIANT*>(&from));  // the source is only read
  }
  static void Clear(VARIANT* item) { VariantClear(item); }
};

template <>
struct EnumItemTraits<CONNECTDATA> {
  static HRESULT Copy(CONNECTDATA* to, const CONNECTDATA& from) {
    *to = from;
    if (to->pUnk) to->pUnk->AddRef();
    return S_OK;
  }
  static void Clear(CONNECTDATA* item) {
    if (item->pUnk) item->pUnk->Release();
    item->pUnk = nullptr;
  }
};

template <class Itf>
struct EnumItemTraits<Itf*> {
  static HRESULT Copy(Itf** to, Itf* const& from) {
    *to = from;
    if (from) from->AddRef();
    return S_OK;
  }
  static void Clear(Itf** item) {
    if (*item) (*item)->Release();
    *item = nullptr;
  }
};

template <class EnumItf, class Item>
class Enumerator : public Object<EnumItf> {
  using Traits = EnumItemTraits<Item>;

 public:
  static const InterfaceEntry* Interfaces() {
    static const InterfaceEntry table[] = {Entry<Enumerator, EnumItf>(), kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP Next(ULONG count, Item* items, ULONG* fetched) override {
    if (fetched) *fetched = 0;
    if (!items || (count > 1 && !fetched)) return E_POINTER;
    ULONG done = 0;
    while (done < count && position_ < items_.size()) {
      HRESULT hr = Traits::Copy(&items[done], items_[position_]);
      if (FAILED(hr)) {
        while (done > 0) Traits::Clear(&items[--done]);
        return hr;
      }
      ++done;
      ++position_;
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
  }

  STDMETHODIMP Skip(ULONG count) override {
    size_t left = items_.size() - position_;
    if (count > left) {
      position_ = items_.size();
      return S_FALSE;
    }
    position_ += count;
    return S_OK;
  }

  STDMETHODIMP Reset() override {
    position_ = 0;
    return S_OK;
  }

  STDMETHODIMP Clone(EnumItf** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    Ptr<Enumerator> copy;
    HRESULT hr = MakeObject(&copy);
    if (SUCCEEDED(hr)) hr = copy->Fill(items_.data(), items_.size());
    if (FAILED(hr)) return hr;
    copy->position_ = position_;
    *out = copy.Detach();
    return S_OK;
  }

  // Takes copies of `count` items.
  HRESULT Fill(const Item* items, size_t count) {
    try {
      items_.reserve(count);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
    for (size_t i = 0; i < count; ++i) {
      Item copy;
      HRESULT hr = Traits::Copy(&copy, items[i]);
      if (FAILED(hr)) return hr;
      items_.push_back(copy);
    }
    return S_OK;
  }

 protected:
  Enumerator() = default;
  ~Enumerator() override {
    for (Item& item : items_) Traits::Clear(&item);
  }

 private:
  std::vector<Item> items_;
  size_t position_ = 0;
};

// Makes an enumerator over copies of `count` items; E_OUTOFMEMORY when it
// cannot be made.
template <class EnumItf, class Item>
HRESULT MakeEnumerator(const Item* items, size_t count, EnumItf** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  Ptr<Enumerator<EnumItf, Item>> enumerator;
  HRESULT hr = MakeObject(&enumerator);
  if (SUCCEEDED(hr)) hr = enumerator->Fill(items, count);
  if (FAILED(hr)) return hr;
  *out = enumerator.Detach();
  return S_OK;
}

}  // namespace morvex::com
