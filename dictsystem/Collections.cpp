// VelDictCollection and VelPrjCollection: the 1-based collections of
// dictionaries and of projects. They behave alike and differ only in their
// item interface and in the name of their active-index property.
#include <windows.h>

#include "HubClasses.h"
#include "HubResource.h"
#include "com/Collection.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"
#include "com/ErrorInfo.h"

namespace {

namespace com = morvex::com;

// The index a new collection reports as active: none.
constexpr long kNoActiveIndex = -1;

template <class CollectionItf, class ItemItf>
class ItemCollection
    : public com::Object<com::Dispatch<CollectionItf>, com::SupportErrorInfo<CollectionItf>> {
 public:
  STDMETHODIMP get_Count(long* count) override { return items_.Count(count); }
  STDMETHODIMP Add(IDispatch* item) override { return items_.Add(item); }
  STDMETHODIMP Remove(long index) override { return items_.Remove(index); }
  STDMETHODIMP get_Item(long index, ItemItf** item) override { return items_.Item(index, item); }
  STDMETHODIMP get__NewEnum(IUnknown** enumerator) override { return items_.NewEnum(enumerator); }

 protected:
  ItemCollection() = default;

  HRESULT GetActiveIndex(long* index) const {
    if (!index) return E_POINTER;
    *index = active_;
    return S_OK;
  }

  // Nothing in the collection itself uses the value; it is kept for callers.
  HRESULT PutActiveIndex(long index, const com::ErrorSource& errors) {
    long count = 0;
    items_.Count(&count);
    if (index < 1 || index > count) return com::ReportError(errors, IDS_ERR_INDEX);
    active_ = index;
    return S_OK;
  }

 private:
  com::Collection<ItemItf> items_;
  long active_ = kNoActiveIndex;
};

class CVelDictCollection : public ItemCollection<IVelDictCollection, IVelDictionary> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CVelDictCollection, IVelDictCollection>(),
        com::Entry<CVelDictCollection, IDispatch, IVelDictCollection>(),
        com::Entry<CVelDictCollection, ISupportErrorInfo>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_ActiveDictionary(long* index) override { return GetActiveIndex(index); }
  STDMETHODIMP put_ActiveDictionary(long index) override {
    return PutActiveIndex(index, kDictCollectionErrors);
  }
};

class CVelPrjCollection : public ItemCollection<IVelPrjCollection, IVelProject> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CVelPrjCollection, IVelPrjCollection>(),
        com::Entry<CVelPrjCollection, IDispatch, IVelPrjCollection>(),
        com::Entry<CVelPrjCollection, ISupportErrorInfo>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_ActiveProject(long* index) override { return GetActiveIndex(index); }
  STDMETHODIMP put_ActiveProject(long index) override {
    return PutActiveIndex(index, kPrjCollectionErrors);
  }
};

}  // namespace

HRESULT CreateVelDictCollection(REFIID iid, void** out) {
  return com::CreateObject<CVelDictCollection>(iid, out);
}

HRESULT CreateVelPrjCollection(REFIID iid, void** out) {
  return com::CreateObject<CVelPrjCollection>(iid, out);
}
