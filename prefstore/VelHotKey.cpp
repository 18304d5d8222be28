// VelHotKey: one hot key, three plain fields that are -1 in a new object.
#include "PrefStore.h"
#include "PrefStoreClasses.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"
#include "com/PropertyAccess.h"

namespace morvex::prefstore {

namespace {

using com::GetProperty;
using com::PutProperty;

class CVelHotKey : public com::Object<com::Dispatch<IVelHotKey>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {com::Entry<CVelHotKey, IVelHotKey>(),
                                                com::Entry<CVelHotKey, IDispatch, IVelHotKey>(),
                                                com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_CmdID(long* value) override { return GetProperty(cmdId_, value); }
  STDMETHODIMP put_CmdID(long value) override { return PutProperty(&cmdId_, value); }
  STDMETHODIMP get_Modifiers(long* value) override { return GetProperty(modifiers_, value); }
  STDMETHODIMP put_Modifiers(long value) override { return PutProperty(&modifiers_, value); }
  STDMETHODIMP get_VirtKey(long* value) override { return GetProperty(virtKey_, value); }
  STDMETHODIMP put_VirtKey(long value) override { return PutProperty(&virtKey_, value); }

 protected:
  CVelHotKey() = default;

 private:
  long cmdId_ = -1;
  long modifiers_ = -1;
  long virtKey_ = -1;
};

}  // namespace

HRESULT CreateVelHotKey(REFIID iid, void** out) { return com::CreateObject<CVelHotKey>(iid, out); }

HRESULT MakeHotKey(const HotKeyRecord& record, com::Ptr<IVelHotKey>* hotKey) {
  com::Ptr<IVelHotKey> made;
  HRESULT hr = CreateVelHotKey(__uuidof(IVelHotKey), made.PutVoid());
  if (FAILED(hr)) return hr;
  made->put_CmdID(record.cmdId);
  made->put_Modifiers(record.modifiers);
  made->put_VirtKey(record.virtKey);
  *hotKey = std::move(made);
  return S_OK;
}

}  // namespace morvex::prefstore
