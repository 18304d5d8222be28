// The two spellings of a hot key: the options store's record (Modifiers
// with MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, as RegisterHotKey takes them,
// and a virtual key) and the hot-key control's word (the virtual key in the
// low byte, above it 1 Shift, 2 Ctrl, 4 Alt, 8 extended key). The settings
// flow converts between them in both directions.
#pragma once

namespace morvex::solo {

struct HotKeyRecord {
  long modifiers;
  long virtualKey;
};

inline bool operator==(const HotKeyRecord& a, const HotKeyRecord& b) {
  return a.modifiers == b.modifiers && a.virtualKey == b.virtualKey;
}

long HotKeyWordFromRecord(const HotKeyRecord& record);
// The extended-key flag has no place in a record and is dropped.
HotKeyRecord HotKeyRecordFromWord(long word);

}  // namespace morvex::solo
