#include "app/portable/HotKeyWord.h"

namespace morvex::solo {

namespace {

// RegisterHotKey's modifier bits.
constexpr long kModAlt = 1, kModControl = 2, kModShift = 4;
// The hot-key control's flags, above the virtual key.
constexpr long kWordShift = 0x100, kWordControl = 0x200, kWordAlt = 0x400;

}  // namespace

long HotKeyWordFromRecord(const HotKeyRecord& record) {
  long word = record.virtualKey & 0xFF;
  if (record.modifiers & kModAlt) word |= kWordAlt;
  if (record.modifiers & kModControl) word |= kWordControl;
  if (record.modifiers & kModShift) word |= kWordShift;
  return word;
}

HotKeyRecord HotKeyRecordFromWord(long word) {
  HotKeyRecord record = {0, word & 0xFF};
  if (word & kWordAlt) record.modifiers |= kModAlt;
  if (word & kWordControl) record.modifiers |= kModControl;
  if (word & kWordShift) record.modifiers |= kModShift;
  return record;
}

}  // namespace morvex::solo
