// VelHotKeyColl: the 1-based collection of hot-key objects that the options
// object owns and hands out.
#include "PrefStore.h"
#include "PrefStoreClasses.h"
#include "com/Collection.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"

namespace morvex::prefstore {

namespace {

class CVelHotKeyColl : public com::Object<com::Dispatch<IVelHotKeyColl>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CVelHotKeyColl, IVelHotKeyColl>(),
        com::Entry<CVelHotKeyColl, IDispatch, IVelHotKeyColl>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_Count(long* count) override { return items_.Count(count); }
  STDMETHODIMP Add(IVelHotKey* item) override {
    if (!item) return E_POINTER;
    return items_.Add(item);
  }
  STDMETHODIMP Remove(long index) override { return items_.Remove(index); }
  STDMETHODIMP get_Item(long index, IVelHotKey** item) override { return items_.Item(index, item); }
  STDMETHODIMP get__NewEnum(IUnknown** enumerator) override { return items_.NewEnum(enumerator); }

 protected:
  CVelHotKeyColl() = default;

 private:
  com::Collection<IVelHotKey> items_;
};

}  // namespace

HRESULT CreateVelHotKeyColl(REFIID iid, void** out) {
  return com::CreateObject<CVelHotKeyColl>(iid, out);
}

HRESULT MakeHotKeyColl(com::Ptr<IVelHotKeyColl>* collection) {
  return CreateVelHotKeyColl(__uuidof(IVelHotKeyColl), collection->PutVoid());
}

}  // namespace morvex::prefstore
