// Reference counting, module locking and interface-table lookup of the
// object base.
#include "com/ComObject.h"

#include "com/Module.h"

namespace morvex::com {

HRESULT QueryInterfaceTable(void* object, const InterfaceEntry* table, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  // The first row is the object's identity.
  if (IsEqualIID(iid, IID_IUnknown)) {
    *out = table[0].cast(object);
  } else {
    for (const InterfaceEntry* entry = table; entry->iid; ++entry) {
      if (IsEqualIID(iid, *entry->iid)) {
        *out = entry->cast(object);
        break;
      }
    }
  }
  if (!*out) return E_NOINTERFACE;
  static_cast<IUnknown*>(*out)->AddRef();
  return S_OK;
}

ObjectRoot::ObjectRoot() { LockModule(); }

ObjectRoot::~ObjectRoot() { UnlockModule(); }

ULONG ObjectRoot::AddReference() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ObjectRoot::ReleaseReference() {
  return static_cast<ULONG>(InterlockedDecrement(&references_));
}

// Far from zero in both directions, whatever the end of the object does.
void ObjectRoot::BeginDestruction() { InterlockedExchange(&references_, LONG_MAX / 2); }

}  // namespace morvex::com
