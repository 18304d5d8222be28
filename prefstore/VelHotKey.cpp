// VelHotKey: one hot key, three plain fields that are -1 in a new object.
#include "PrefStore.h"
#include "PrefStoreClasses.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"

namespace morvex::prefstore {

namespace {

class CVelHotKey : public com::Object<com::Dispatch<IVelHotKey>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {com::Entry<CVelHotKey, IVelHotKey>(),
                                                com::Entry<CVelHotKey, IDispatch, IVelHotKey>(),
                                                com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_CmdID(long* value) override { return Get(cmdId_, value); }
  STDMETHODIMP put_CmdID(long value) override { return Put(&cmdId_, value); }
  STDMETHODIMP get_Modifiers(long* value) override { return Get(modifiers_, value); }
  STDMETHODIMP put_Modifiers(long value) override { return Put(&modifiers_, value); }
  STDMETHODIMP get_VirtKey(long* value) override { return Get(virtKey_, value); }
  STDMETHODIMP put_VirtKey(long value) override { return Put(&virtKey_, value); }

 protected:
  CVelHotKey() = default;

 private:
  static HRESULT Get(long field, long* value) {
    if (!value) return E_POINTER;
    *value = field;
    return S_OK;
  }
  static HRESULT Put(long* field, long value) {
    *field = value;
    return S_OK;
  }

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
