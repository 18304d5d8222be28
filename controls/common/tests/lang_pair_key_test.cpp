// The language-pair key: directions that a key of overlapping fields would
// merge (the sublanguage bits of one id falling on the other id) stay apart,
// and only the 16 bits of a LANGID count.
#include <gtest/gtest.h>

#include "controls/common/portable/LangPairKey.h"

namespace {

using morvex::controls::LangPairKey;

struct Pair {
  long langIn;
  long langOut;
};

struct CollidingPairs {
  Pair first;
  Pair second;
};

// Each pair of directions shares a key when the output id is shifted by
// only 10 bits, so a dictionary of one would show the other's flags.
const CollidingPairs kCollidingPairs[] = {
    {{1049, 1032}, {1049, 1033}},          // Russian to Greek, Russian to English
    {{1024, 8}, {1024, 9}},                // neutral ids of the same shape
    {{0x0816, 0x0409}, {0x0416, 0x040B}},  // Portuguese (Portugal) to English, (Brazil) to Finnish
};

TEST(LangPairKeyTest, DirectionsThatOverlappingFieldsWouldMergeDiffer) {
  for (const CollidingPairs& pairs : kCollidingPairs) {
    EXPECT_NE(LangPairKey(pairs.first.langIn, pairs.first.langOut),
              LangPairKey(pairs.second.langIn, pairs.second.langOut))
        << pairs.first.langIn << "->" << pairs.first.langOut << " and " << pairs.second.langIn
        << "->" << pairs.second.langOut;
  }
}

TEST(LangPairKeyTest, DirectionAndItsReverseDiffer) {
  EXPECT_NE(LangPairKey(1033, 1049), LangPairKey(1049, 1033));
}

TEST(LangPairKeyTest, OnlyTheSixteenBitsOfEachIdCount) {
  EXPECT_EQ(LangPairKey(1033, 1049), (1049u << 16) | 1033u);
  EXPECT_EQ(LangPairKey(0x10409, 0x70419), LangPairKey(0x0409, 0x0419));
  EXPECT_EQ(LangPairKey(-1, -1), 0xFFFFFFFFu);
}

}  // namespace
