// The tip's article scan over the mark-up an article can carry: the
// ranges, in order, and the text with its mark-up blanked out; and the
// mapping from rich-edit positions back to bytes of the shown text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TipArticleScan.h"

namespace morvex::quickhint {

// Found by argument lookup, so beside TipRange rather than in the
// anonymous namespace.
bool operator==(const TipRange& a, const TipRange& b) {
  return a.start == b.start && a.end == b.end && a.kind == b.kind;
}

void PrintTo(const TipRange& range, std::ostream* out) {
  *out << "(" << range.start << ", " << range.end << ", " << range.kind << ")";
}

namespace {

struct ScanCase {
  const char* name;
  std::string text;
  std::vector<TipRange> ranges;
  std::string shown;
};

TEST(TipArticleScanTest, RangesAndShownTextFollowTheMarkUp) {
  const ScanCase cases[] = {
      {"brace, word, label, word",
       "{a} word label) word",
       {{0, 2, kTipBraced}, {8, 15, kTipLabel}, {16, 20, kTipPlain}},
       " a  word label) word"},
      {"empty text", "", {{0, 0, kTipPlain}}, ""},
      {"no empty range before a leading brace",
       "{n} x",
       {{0, 2, kTipBraced}, {3, 5, kTipPlain}},
       " n  x"},
      {"plain text is one range", "house, home", {{0, 11, kTipPlain}}, "house, home"},
      {"a label with no blank before it starts at -1",
       "colloq) x",
       {{-1, 7, kTipLabel}, {8, 9, kTipPlain}},
       "colloq) x"},
      {"a backslash starts the reference part",
       "a\\b",
       {{0, 1, kTipPlain}, {2, 3, kTipReference}},
       "a b"},
      {"the last backslash wins", "a\\b\\c", {{0, 3, kTipPlain}, {4, 5, kTipReference}}, "a b c"},
      {"a line end shifts what follows by one",
       "ab\r\n{c} x) y",
       {{0, 3, kTipPlain}, {3, 5, kTipBraced}, {6, 9, kTipLabel}, {10, 11, kTipPlain}},
       "ab\r\n c  x) y"},
      {"a cyrillic brace block",
       "\xE4\xEE\xEC {\xF1\xF3\xF9.}",
       {{0, 4, kTipPlain}, {4, 9, kTipBraced}, {10, 10, kTipPlain}},
       "\xE4\xEE\xEC  \xF1\xF3\xF9. "},
  };
  for (const ScanCase& each : cases) {
    std::string text = each.text;
    EXPECT_EQ(ScanTipArticle(text.data(), text.size()), each.ranges) << each.name;
    EXPECT_EQ(text, each.shown) << each.name;
  }
}

TEST(TipArticleScanTest, PositionsMapToBytesOfTheShownText) {
  const std::string text = "ab\r\ncd\r\nef";
  struct Case {
    int32_t position;
    size_t offset;
  };
  const Case cases[] = {{0, 0}, {2, 2}, {3, 4}, {4, 5}, {6, 8}, {7, 9}, {8, 10}, {50, 10}};
  for (const Case& each : cases)
    EXPECT_EQ(ShownOffsetOfPosition(text.data(), text.size(), each.position), each.offset)
        << each.position;
  EXPECT_EQ(ShownOffsetOfPosition(text.data(), text.size(), -1), 0u);
  // A carriage return that ends the text counts as a character of its own.
  EXPECT_EQ(ShownOffsetOfPosition("a\r", 2, 2), 2u);
}

}  // namespace
}  // namespace morvex::quickhint
