// Hot keys between a collection and registry records.
#include "prefstore/HotKeyList.h"

#include <new>

#include "PrefStoreClasses.h"
#include "com/ComPtr.h"

namespace morvex::prefstore {

std::vector<HotKeyRecord> HotKeysOf(IVelHotKeyColl* collection) {
  long count = 0;
  if (FAILED(collection->get_Count(&count)) || count <= 0) return {};
  std::vector<HotKeyRecord> records(static_cast<size_t>(count));
  for (long position = 1; position <= count; ++position) {
    com::Ptr<IVelHotKey> item;
    if (FAILED(collection->get_Item(position, item.Put())) || !item) continue;
    HotKeyRecord& record = records[position - 1];
    long cmdId = record.cmdId, modifiers = record.modifiers, virtKey = record.virtKey;
    item->get_CmdID(&cmdId);
    item->get_Modifiers(&modifiers);
    item->get_VirtKey(&virtKey);
    record = {cmdId, modifiers, virtKey};
  }
  return records;
}

HRESULT ReplaceHotKeys(IVelHotKeyColl* collection, const std::vector<HotKeyRecord>& records) {
  std::vector<com::Ptr<IVelHotKey>> made;
  try {
    made.resize(records.size());
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  for (size_t i = 0; i < records.size(); ++i) {
    HRESULT hr = MakeHotKey(records[i], &made[i]);
    if (FAILED(hr)) return hr;
  }
  long count = 0;
  while (SUCCEEDED(collection->get_Count(&count)) && count > 0)
    if (FAILED(collection->Remove(1))) break;
  for (const com::Ptr<IVelHotKey>& hotKey : made) {
    HRESULT hr = collection->Add(hotKey.Get());
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

}  // namespace morvex::prefstore
