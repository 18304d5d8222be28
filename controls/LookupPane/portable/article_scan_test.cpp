// The viewer's article scan: the runs of each kind of mark-up, the blanked
// mark-up, the head word stopped at its line, the reference with and
// without a translation run before it; and the side each byte is shown in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArticleScan.h"

namespace morvex::lookuppane {

bool operator==(const ArticleRun& a, const ArticleRun& b) {
  return a.start == b.start && a.end == b.end && a.kind == b.kind;
}

void PrintTo(const ArticleRun& run, std::ostream* out) {
  *out << "(" << run.start << ", " << run.end << ", " << run.kind << ")";
}

namespace {

struct ScanCase {
  const char* name;
  std::string article;
  std::vector<ArticleRun> runs;
  std::string shown;  // the text after the scan
};

TEST(ArticleScanTest, MarkUpBecomesRunsAndBlanks) {
  const ScanCase cases[] = {
      {"empty", "", {{0, 0, kTranslation}}, ""},
      {"plain text is one translation run", "house", {{0, 5, kTranslation}}, "house"},
      {"head word ends before the blank before the brace",
       "word {n} translation",
       {{0, 4, kHeadWord}, {5, 7, kBraced}, {8, 20, kTranslation}},
       "word  n  translation"},
      {"a label runs from the last blank through its parenthesis",
       "cat zool) kot",
       {{3, 9, kLabel}, {10, 13, kTranslation}},
       "cat zool) kot"},
      {"a label with no blank before it starts at the text's start",
       "arch) dom",
       {{0, 5, kLabel}, {6, 9, kTranslation}},
       "arch) dom"},
      // Reaching back to the last blank, the label would start at -1 and
      // grey the head word.
      {"a label with no blank on its line stops at the run before it",
       "color\r\n\t\xB7"
       "am) colour",
       {{0, 5, kHeadWord}, {5, 11, kLabel}, {12, 18, kTranslation}},
       "color\r\n\t\xB7"
       "am) colour"},
      // Dictionary form: the part-of-speech block, the head word, a line
      // end, a meaning with its code.
      {"head word after the first block, meanings on their lines",
       "{n} house\r\n\t\xB7{n} dom",
       {{0, 2, kBraced},
        {3, 9, kHeadWord},
        {9, 12, kTranslation},
        {12, 14, kBraced},
        {15, 19, kTranslation}},
       " n  house\r\n\t\xB7 n  dom"},
      // Running on to the next brace, the head word would
      // show the Russian bold in the input language.
      {"a first meaning without code is not head word",
       "{n} house\r\n\xE4\xEE\xEC\r\n\t\xB7{v} live",
       {{0, 2, kBraced},
        {3, 9, kHeadWord},
        {9, 16, kTranslation},
        {16, 18, kBraced},
        {19, 24, kTranslation}},
       " n  house\r\n\xE4\xEE\xEC\r\n\t\xB7 v  live"},
      {"a reference after one line end has no translation run before it",
       "color\r\nkolor \\colour",
       {{0, 5, kHeadWord}, {13, 19, kReference}},
       "color\r\nkolor  colour"},
      {"two line ends give the translation run up to the reference",
       "color\r\nkolor\r\ncvet \\colour",
       {{0, 5, kHeadWord}, {5, 17, kTranslation}, {18, 24, kReference}},
       "color\r\nkolor\r\ncvet  colour"},
  };
  for (const ScanCase& c : cases) {
    std::string text = c.article;
    EXPECT_EQ(ScanArticle(text.data(), text.size()), c.runs) << c.name;
    EXPECT_EQ(text, c.shown) << c.name;
  }
}

TEST(ArticleScanTest, EachByteTakesTheSideOfTheLastRunCoveringIt) {
  std::string text = "{n} house\r\n\xE4\xEE\xEC \\home";
  const std::vector<ArticleRun> runs = ScanArticle(text.data(), text.size());
  const std::vector<ArticleSide> sides = SidesOfBytes(text.data(), text.size(), runs);
  ASSERT_EQ(sides.size(), text.size());
  const auto in = ArticleSide::kInput, out = ArticleSide::kOutput;
  // " n " braced (output), " house" head word (input), the line end and
  // the Russian in no run (output), the reference (input).
  const std::vector<ArticleSide> expected = {out, out, out, in,  in,  in,  in, in, in, out,
                                             out, out, out, out, out, out, in, in, in, in};
  EXPECT_EQ(sides, expected);
}

TEST(ArticleScanTest, OverlappingAndReversedRunsStayInsideTheText) {
  // Many labels after one blank overlap; a label at -1 and runs past the
  // end are clamped.
  std::string text = "a b) c) d) e)) \\";
  const std::vector<ArticleRun> runs = ScanArticle(text.data(), text.size());
  const std::vector<ArticleSide> sides = SidesOfBytes(text.data(), text.size(), runs);
  EXPECT_EQ(sides.size(), text.size());
  const std::vector<ArticleRun> odd = {{-5, 3, kReference}, {7, 2, kHeadWord}, {0, 1000, kBraced}};
  EXPECT_EQ(SidesOfBytes("abc", 3, odd).size(), 3u);
}

TEST(ArticleScanTest, PositionsLeadBackToTheirBytes) {
  const std::string text = "ab\r\ncd";
  // Positions 0 a, 1 b, 2 the line end, 3 c, 4 d.
  const size_t expected[] = {0, 1, 2, 4, 5, 6, 6};
  for (int32_t position = 0; position < 7; ++position)
    EXPECT_EQ(ByteOfPosition(text.data(), text.size(), position), expected[position]) << position;
  EXPECT_EQ(ByteOfPosition(text.data(), text.size(), -3), 0u);
}

}  // namespace

}  // namespace morvex::lookuppane
