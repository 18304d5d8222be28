// The settings flow's hot-key conversion: what the options store holds and
// what the hot-key control shows are the same key combinations.
#include <gtest/gtest.h>

#include "app/portable/HotKeyWord.h"

namespace morvex::solo {
namespace {

struct BothWays {
  HotKeyRecord record;
  long word;
};

TEST(HotKeyWordTest, RecordsAndWordsConvertBothWays) {
  const BothWays cases[] = {
      {{3, 0x53}, 0x653},  // Ctrl+Alt+S
      {{4, 0x70}, 0x170},  // Shift+F1
      {{7, 0x41}, 0x741},  // Ctrl+Alt+Shift+A
      {{1, 0x5A}, 0x45A},  // Alt+Z
      {{0, 0}, 0},         // no hot key
  };
  for (const BothWays& c : cases) {
    EXPECT_EQ(HotKeyWordFromRecord(c.record), c.word) << std::hex << c.word;
    EXPECT_EQ(HotKeyRecordFromWord(c.word), c.record) << std::hex << c.word;
  }
}

TEST(HotKeyWordTest, WhatARecordCannotHoldIsDropped) {
  // The extended-key flag, and bits above the control's word.
  EXPECT_EQ(HotKeyRecordFromWord(0x853), (HotKeyRecord{0, 0x53}));
  EXPECT_EQ(HotKeyRecordFromWord(0xE53), (HotKeyRecord{3, 0x53}));
  // Modifier bits RegisterHotKey has beyond these three, and a key above a
  // byte, do not leak into the word.
  EXPECT_EQ(HotKeyWordFromRecord({0x4008 | 2, 0x153}), 0x253);
}

}  // namespace
}  // namespace morvex::solo
