// Moves hot keys between a hot-key collection and the records the registry
// keeps: the defaults, Read and Write of the options use it.
#pragma once

#include <windows.h>

#include <vector>

#include "PrefStore.h"
#include "prefstore/OptionRecords.h"

namespace morvex::prefstore {

// One record per item, in collection order; an item that cannot be fetched
// gives the preset record (-1, 0, 0).
std::vector<HotKeyRecord> HotKeysOf(IVelHotKeyColl* collection);

// Empties `collection` and appends one new hot-key object per record. The
// objects are made first: when that fails the collection is left as it was.
HRESULT ReplaceHotKeys(IVelHotKeyColl* collection, const std::vector<HotKeyRecord>& records);

}  // namespace morvex::prefstore
