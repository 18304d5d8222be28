// The classes of PrefStore as the server's class table and its own objects
// reach them: creation by interface for the class factories, and the
// typed makers the options object uses for its hot keys.
#pragma once

#include <unknwn.h>
#include <windows.h>

#include "PrefStore.h"
#include "com/ComPtr.h"
#include "prefstore/OptionRecords.h"

namespace morvex::prefstore {

HRESULT CreateVelMorvexOpt(REFIID iid, void** out);
HRESULT CreateVelHotKey(REFIID iid, void** out);
HRESULT CreateVelHotKeyColl(REFIID iid, void** out);

// A hot-key object holding the three fields of `record`.
HRESULT MakeHotKey(const HotKeyRecord& record, com::Ptr<IVelHotKey>* hotKey);
// An empty hot-key collection.
HRESULT MakeHotKeyColl(com::Ptr<IVelHotKeyColl>* collection);

}  // namespace morvex::prefstore
