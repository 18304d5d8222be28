// The popup translation's text work: what a selection becomes as a word,
// what an article becomes as the tip's body, which searches the lookup
// makes and what the tip shows, and where the tip lands on the screen.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/portable/PopupText.h"

namespace morvex::solo {

namespace {

// The letters of code page 1251, as the system's test answers there.
bool IsLetter1251(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0 || c == 0xA8 || c == 0xB8;
}

TEST(TrimCapturedWordTest, TheSelectionBecomesALowerCaseWord) {
  struct Case {
    const char* name;
    std::string text;
    std::string word;
  };
  const Case cases[] = {
      {"blanks and marks around", "  Hello!!", "hello"},
      {"Cyrillic upper case", "\xC4\xCE\xCC", "\xE4\xEE\xEC"},            // ДОМ -> дом
      {"0xA8 is left as it is", "\xA8\xCB\xCA\xC0", "\xA8\xEB\xEA\xE0"},  // ЁЛКА -> Ёлка
      {"no letter at all", "123 !", ""},
      {"what stands inside stays", "hello, world!", "hello, world"},
      {"empty", "", ""},
      {"digits before the word", "42 Apples.", "apples"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    TrimCapturedWord(&text, IsLetter1251);
    EXPECT_EQ(text, c.word) << c.name;
  }
}

TEST(CleanArticleTextTest, TheBodyLosesTheHeadWordTabsAndDots) {
  struct Case {
    const char* name;
    std::string article;
    std::string body;
  };
  const Case cases[] = {
      {"head word before the first TAB",
       "cat\t{noun}\xB7"
       "cat",
       "{noun}cat"},
      {"no TAB: all of it", "plain \xB7text", "plain text"},
      {"meaning on lines before the TAB", "cat\r\n1. a pet\r\n\t2. a tool",
       "1. a pet\r\n2. a tool"},
      {"a bare line feed", "cat\n1. pet\t2", "1. pet2"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanArticleText(c.article), c.body) << c.name;
}

// A dictionary that answers from a table and records what it was asked.
class RecordingFinder {
 public:
  explicit RecordingFinder(std::vector<std::pair<std::string, FoundArticle>> nearAnswers,
                           bool exactHit = false)
      : nearAnswers_(std::move(nearAnswers)), exactHit_(exactHit) {}

  Finder AsFinder() {
    return [this](FindKind kind, const std::string& word) {
      asked.emplace_back(kind == FindKind::kExact ? "exact " + word : "near " + word);
      if (kind == FindKind::kExact) {
        return exactHit_ ? FoundArticle{true, word, word + "\t{n} article"} : FoundArticle{};
      }
      for (const auto& answer : nearAnswers_) {
        if (answer.first == word) return answer.second;
      }
      return FoundArticle{};
    };
  }

  std::vector<std::string> asked;

 private:
  std::vector<std::pair<std::string, FoundArticle>> nearAnswers_;
  bool exactHit_;
};

TEST(LookUpTextTest, AnExactHitNeedsNoNearSearchAndKeepsTheCapturedWord) {
  RecordingFinder finder({}, true);
  TipText tip = LookUpText("house", finder.AsFinder());
  EXPECT_EQ(finder.asked, std::vector<std::string>{"exact house"});
  EXPECT_EQ(tip.header, "house");
  EXPECT_EQ(tip.body, "{n} article");
}

TEST(LookUpTextTest, ANearHitShowsTheWordItFound) {
  RecordingFinder finder({{"houses", {true, "house", "house\t\xE4\xEE\xEC"}}});
  TipText tip = LookUpText("houses", finder.AsFinder());
  EXPECT_EQ(finder.asked, (std::vector<std::string>{"exact houses", "near houses"}));
  EXPECT_EQ(tip.header, "house");
  EXPECT_EQ(tip.body, "\xE4\xEE\xEC");
}

TEST(LookUpTextTest, NothingFoundTriesEveryPrefixButNeverTheEmptyWord) {
  RecordingFinder finder({{"", {true, "a", "a\tfirst word"}}});
  TipText tip = LookUpText("xyz", finder.AsFinder());
  const std::vector<std::string> asked = {"exact xyz", "near xyz", "near xy", "near x"};
  EXPECT_EQ(finder.asked, asked);
  EXPECT_EQ(tip.header, "xyz");
  EXPECT_EQ(tip.body, " ");
}

TEST(LookUpTextTest, AnArticleOfOneCharacterIsNone) {
  RecordingFinder finder({{"cats", {true, "cat", "x"}}});
  TipText tip = LookUpText("cats", finder.AsFinder());
  EXPECT_EQ(tip.header, "cats") << "the captured word, not the near one";
  EXPECT_EQ(tip.body, " ");
}

TEST(PlaceTipRectTest, TheTipLandsWhereItCanBeSeen) {
  const ScreenRect foreground = {100, 100, 500, 300};
  struct Case {
    const char* name;
    long x, y, cx, cy;
    const ScreenRect* foreground;
    TipRect expected;
  };
  const Case cases[] = {
      {"hot key: centred on the foreground window",
       -1,
       -1,
       200,
       80,
       &foreground,
       {200, 160, 200, 80}},
      {"hot key without a foreground window: the screen",
       -1,
       -1,
       200,
       80,
       nullptr,
       {412, 344, 200, 80}},
      {"a click near the bottom right: pulled back",
       1000,
       700,
       200,
       80,
       nullptr,
       {824, 688, 200, 80}},
      {"a tip taller than the screen: cut, header on top",
       10,
       10,
       200,
       2000,
       nullptr,
       {10, 0, 200, 768}},
      {"a tip wider than the screen: its left edge stays on it",
       500,
       10,
       2000,
       80,
       nullptr,
       {0, 10, 2000, 80}},
  };
  for (const Case& c : cases) {
    const TipRect placed = PlaceTipRect(c.x, c.y, c.cx, c.cy, 1024, 768, c.foreground);
    EXPECT_EQ(placed.x, c.expected.x) << c.name;
    EXPECT_EQ(placed.y, c.expected.y) << c.name;
    EXPECT_EQ(placed.cx, c.expected.cx) << c.name;
    EXPECT_EQ(placed.cy, c.expected.cy) << c.name;
  }
  const ScreenRect above = {100, -400, 500, -100};
  EXPECT_EQ(PlaceTipRect(-1, -1, 200, 80, 1024, 768, &above).y, 0)
      << "a foreground window above the screen keeps the tip on it";
}

}  // namespace

}  // namespace morvex::solo
