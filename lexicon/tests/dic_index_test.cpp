// The word index: trie bytes worked out by hand, the searches over a table of
// cases, the flag-driven searches with the vulgar filter, damaged tries, the
// builder's limits, and the index in a file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/MCFile.h"
#include "base/tests/wordlist_support.h"
#include "lexicon/CDicIndex.h"
#include "lexicon/tests/dic_index_support.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// --- Golden bytes

// {cat, catalog}: c, a, t, then a branch of the end of "cat" and "a"; "log"
// is a leaf of three characters (256 - 3 = 0xFD).
const Bytes kCatCatalogWithOffsets = {
    0x01, 0x05, 0x00, 0x00, 'c',                          // 0: root
    0x01, 0x05, 0x00, 0x00, 'a',                          // 5
    0x01, 0x05, 0x00, 0x00, 't',                          // 10
    0x02, 0x09, 0x00, 0x00, 0x00, 0x0D, 0x00, 0x00, 'a',  // 15: end of word at 24, 'a' at 28
    0x00, 0x00, 0x00, 0x00,                               // 24: end of "cat", offset slot 25
    0xFD, 0x00, 0x00, 0x00, 'l',  'o',  'g',              // 28: leaf, offset slot 29
};
const Bytes kCatCatalogWordList = {
    0x01, 0x05, 0x00, 0x00, 'c',                          // 0
    0x01, 0x05, 0x00, 0x00, 'a',                          // 5
    0x01, 0x05, 0x00, 0x00, 't',                          // 10
    0x02, 0x09, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00, 'a',  // 15: end of word at 24, 'a' at 25
    0x00,                                                 // 24
    0xFD, 'l',  'o',  'g',                                // 25
};

TEST(DicIndexGolden, CatCatalogWithOffsetSlots) {
  CDicIndex index;
  MCStringArray list;
  FillList({"cat", "catalog"}, list);
  MCDWordArray slots;
  ASSERT_EQ(index.Build(list, &slots), 1);
  EXPECT_EQ(TrieBytes(index), AsString(kCatCatalogWithOffsets));
  ASSERT_EQ(slots.GetSize(), 2);
  EXPECT_EQ(slots[0], 25u);
  EXPECT_EQ(slots[1], 29u);
  ASSERT_EQ(index.SetOffset(29, 0x0A0B0C), 1);
  EXPECT_EQ(TrieBytes(index).substr(29, 3), "\x0C\x0B\x0A");
}

TEST(DicIndexGolden, CatCatalogWordList) {
  CDicIndex index;
  index.SetWordList(1);
  MCStringArray list;
  FillList({"cat", "catalog"}, list);
  MCDWordArray slots;
  ASSERT_EQ(index.Build(list, &slots), 1);
  EXPECT_EQ(TrieBytes(index), AsString(kCatCatalogWordList));
  EXPECT_EQ(slots.GetSize(), 0);
}

TEST(DicIndexGolden, OneWordIsALeafAtTheRoot) {
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"a"}));
  EXPECT_EQ(TrieBytes(index), AsString({0xFF, 0x07, 0x01, 0x00, 'a'}));
}

TEST(DicIndexGolden, HandWrittenBytesAreSearched) {
  CDicIndex index;
  Bytes bytes = kCatCatalogWithOffsets;
  bytes[25] = 0x11;  // "cat" at 0x11
  bytes[29] = 0x22;  // "catalog" at 0x22
  ASSERT_EQ(index.LoadBytes(bytes.data(), static_cast<int>(bytes.size())), 1);
  EXPECT_EQ(index.FindExact("cat"), 0x11);
  EXPECT_EQ(index.FindNear("cata"), 0x22);
  EXPECT_STREQ(index.GetCurrentWord(), "catalog");

  CDicIndex wordList;
  wordList.SetWordList(1);
  ASSERT_EQ(
      wordList.LoadBytes(kCatCatalogWordList.data(), static_cast<int>(kCatCatalogWordList.size())),
      1);
  EXPECT_EQ(wordList.FindExact("catalog"), 0);
  EXPECT_EQ(wordList.Prev(), 0);
  EXPECT_STREQ(wordList.GetCurrentWord(), "cat");
}

// A tail longer than a leaf holds becomes one-child branches.
TEST(DicIndexGolden, LongTailIsAChainOfBranches) {
  const std::string longWord = std::string(130, 'x') + "end";
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"a", longWord}));
  const std::string bytes = TrieBytes(index);
  // Root {a, x} (9 bytes), the end of "a" (4), then one-child branches of
  // 5 bytes at depths 1 to 4 until 128 characters are left for the leaf.
  ASSERT_EQ(bytes.size(), 13u + 4 * 5 + 4 + 128);
  for (size_t branch = 13; branch < 33; branch += 5) EXPECT_EQ(bytes[branch], '\x01') << branch;
  EXPECT_EQ(static_cast<unsigned char>(bytes[33]), 0x80);
  EXPECT_EQ(index.FindExact(longWord.c_str()), OffsetOfWord(1));
  EXPECT_EQ(index.FindNear("xxx"), OffsetOfWord(1));
  EXPECT_EQ(index.GetCurrentWord(), longWord);
  EXPECT_EQ(index.Prev(), OffsetOfWord(0));
  EXPECT_EQ(index.Next(), OffsetOfWord(1));
  EXPECT_EQ(index.GetCurrentWord(), longWord);
  const std::string prefixInput = longWord + "s";
  EXPECT_EQ(index.FindPrefix(prefixInput.c_str()), OffsetOfWord(1));
  EXPECT_EQ(index.GetOutputWord(), longWord);
}

// --- The searches

enum class Kind { kExact, kNear, kPrefix, kFlexion, kNext, kPrev };

struct SearchCase {
  const char* name;
  Words words;
  const char* cursorBefore;  // put there by an exact search first; null: none
  Kind kind;
  const char* input;
  const char* expected;  // the word found (reading order); null: not found
  const char* cursorAfter;
};

std::string Reversed(std::string word) {
  std::reverse(word.begin(), word.end());
  return word;
}

const SearchCase kSearchCases[] = {
    {"ExactFindsTheWord", {"cat", "catalog"}, nullptr, Kind::kExact, "cat", "cat", "cat"},
    {"ExactOfAnExtension",
     {"cat", "catalog"},
     nullptr,
     Kind::kExact,
     "catalog",
     "catalog",
     "catalog"},
    {"ExactOfABeginningFails", {"cat", "catalog"}, "cat", Kind::kExact, "ca", nullptr, "cat"},
    {"ExactLongerFails", {"cat", "catalog"}, "catalog", Kind::kExact, "cats", nullptr, "catalog"},
    {"ExactIsCaseSensitive", {"Paris"}, nullptr, Kind::kExact, "paris", nullptr, ""},
    {"NearCompletesToTheFirstWord", {"cat", "catalog"}, nullptr, Kind::kNear, "ca", "cat", "cat"},
    {"NearCompletesThroughALeaf",
     {"cat", "catalog"},
     nullptr,
     Kind::kNear,
     "cata",
     "catalog",
     "catalog"},
    {"NearOfNothingGivesTheFirst",
     {"cat", "catalog", "dog"},
     nullptr,
     Kind::kNear,
     "",
     "cat",
     "cat"},
    {"NearWithoutAWordFails", {"cat", "catalog"}, "cat", Kind::kNear, "dog", nullptr, "cat"},
    {"FailedNearLeavesTheCursor",
     {"cat", "catalog"},
     "catalog",
     Kind::kNear,
     "catalx",
     nullptr,
     "catalog"},
    {"NearPastALeafFails", {"cat", "catalog"}, nullptr, Kind::kNear, "catalogue", nullptr, ""},
    {"PrefixLongestStoredBeginning",
     {"cat", "catalog"},
     "cat",
     Kind::kPrefix,
     "catalogue",
     "catalog",
     "cat"},
    {"PrefixFallsBackToTheShorter", {"cat", "catalog"}, nullptr, Kind::kPrefix, "cats", "cat", ""},
    {"PrefixOfNoWordFails", {"cat", "catalog"}, nullptr, Kind::kPrefix, "ca", nullptr, ""},
    {"PrefixAcceptsTheLeafWhole", {"pa", "paris"}, nullptr, Kind::kPrefix, "parisx", "paris", ""},
    {"PrefixBacktracksOnce", {"pa", "paris"}, nullptr, Kind::kPrefix, "parix", "pa", ""},
    {"PrefixCapitalOfTheLastLetter", {"caT"}, nullptr, Kind::kPrefix, "cat", "caT", ""},
    {"PrefixExactCharacterBeforeCapital", {"caT", "cat"}, nullptr, Kind::kPrefix, "cat", "cat", ""},
    {"PrefixCapitalOnlyAtTheEnd", {"cAt"}, nullptr, Kind::kPrefix, "cat", nullptr, ""},
    {"FlexionFindsACapitalisedWord",
     {Reversed("Paris")},
     nullptr,
     Kind::kFlexion,
     "paris",
     "Paris",
     ""},
    {"FlexionLongestEnding",
     {Reversed("ing"), Reversed("king")},
     nullptr,
     Kind::kFlexion,
     "walking",
     "king",
     ""},
    {"FlexionShorterEnding",
     {Reversed("ing"), Reversed("king")},
     nullptr,
     Kind::kFlexion,
     "sing",
     "ing",
     ""},
    {"FlexionWithoutEndingFails",
     {Reversed("ing")},
     nullptr,
     Kind::kFlexion,
     "walked",
     nullptr,
     ""},
    {"NextGoesToTheExtension",
     {"cat", "catalog"},
     "cat",
     Kind::kNext,
     nullptr,
     "catalog",
     "catalog"},
    {"PrevComesBackToTheWord", {"cat", "catalog"}, "catalog", Kind::kPrev, nullptr, "cat", "cat"},
    {"NextAcrossSubtrees",
     {"cab", "cat", "catalog", "dog"},
     "catalog",
     Kind::kNext,
     nullptr,
     "dog",
     "dog"},
    {"PrevDescendsToTheLastWord",
     {"cab", "cat", "catalog", "dog"},
     "dog",
     Kind::kPrev,
     nullptr,
     "catalog",
     "catalog"},
    {"NextOnTheLastFails", {"cat", "catalog"}, "catalog", Kind::kNext, nullptr, nullptr, "catalog"},
    {"PrevOnTheFirstFails", {"cat", "catalog"}, "cat", Kind::kPrev, nullptr, nullptr, "cat"},
    {"NextWithoutACursorFails", {"cat", "catalog"}, nullptr, Kind::kNext, nullptr, nullptr, ""},
    {"OneWordHasNoNeighbour", {"a"}, "a", Kind::kNext, nullptr, nullptr, "a"},
};

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }

class DicIndexSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(DicIndexSearch, FindsWhatTheCaseSays) {
  const SearchCase& c = GetParam();
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, c.words));
  if (c.cursorBefore) {
    ASSERT_NE(index.FindExact(c.cursorBefore), CDicIndex::kNotFound);
  }
  int32_t offset = CDicIndex::kNotFound;
  const char* found = nullptr;
  switch (c.kind) {
    case Kind::kExact:
      offset = index.FindExact(c.input);
      found = index.GetCurrentWord();
      break;
    case Kind::kNear:
      offset = index.FindNear(c.input);
      found = index.GetCurrentWord();
      break;
    case Kind::kPrefix:
      offset = index.FindPrefix(c.input);
      found = index.GetOutputWord();
      break;
    case Kind::kFlexion:
      offset = index.FindFlexion(c.input);
      found = index.GetOutputWord();
      break;
    case Kind::kNext:
      offset = index.Next();
      found = index.GetCurrentWord();
      break;
    case Kind::kPrev:
      offset = index.Prev();
      found = index.GetCurrentWord();
      break;
  }
  if (!c.expected) {
    EXPECT_EQ(offset, CDicIndex::kNotFound);
  } else {
    const std::string stored = c.kind == Kind::kFlexion ? Reversed(c.expected) : c.expected;
    const auto at = std::find(c.words.begin(), c.words.end(), stored);
    ASSERT_NE(at, c.words.end());
    EXPECT_EQ(offset, OffsetOfWord(static_cast<size_t>(at - c.words.begin())));
    EXPECT_STREQ(found, c.expected);
  }
  EXPECT_STREQ(index.GetCurrentWord(), c.cursorAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, DicIndexSearch, testing::ValuesIn(kSearchCases),
                         [](const testing::TestParamInfo<SearchCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(DicIndexSearchEdges, FlexionLeavesTheCallersWordAlone) {
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {Reversed("Paris")}));
  char word[] = "paris";
  EXPECT_EQ(index.FindFlexion(word), OffsetOfWord(0));
  EXPECT_STREQ(word, "paris");
}

TEST(DicIndexSearchEdges, InputsLongerThanAWordFail) {
  const std::string longest(CDicIndex::kMaxWordLength, 'q');
  const std::string tooLong = longest + "q";
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"a", longest}));
  EXPECT_EQ(index.FindExact(longest.c_str()), OffsetOfWord(1));
  EXPECT_EQ(index.FindPrefix(tooLong.c_str()), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindExact(tooLong.c_str()), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindNear(tooLong.c_str()), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindFlexion(tooLong.c_str()), CDicIndex::kNotFound);
  EXPECT_EQ(index.GetCurrentWord(), longest);
}

TEST(DicIndexSearchEdges, EmptyIndexFindsNothing) {
  CDicIndex index;
  EXPECT_EQ(index.FindExact("a"), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindNear(""), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindPrefix("a"), CDicIndex::kNotFound);
  EXPECT_EQ(index.Next(), CDicIndex::kNotFound);
  MCStringArray words;
  MCDWordArray offsets;
  EXPECT_EQ(index.ListWords(words, offsets), 0);
}

TEST(DicIndexSearchEdges, WordListsReportOffsetZero) {
  CDicIndex index;
  index.SetWordList(1);
  ASSERT_TRUE(BuildWords(index, {"cat", "catalog", "dog"}));
  EXPECT_EQ(index.FindExact("catalog"), 0);
  EXPECT_EQ(index.FindNear("d"), 0);
  EXPECT_EQ(index.FindPrefix("cats"), 0);
  EXPECT_STREQ(index.GetOutputWord(), "cat");
}

TEST(DicIndexListing, ListsEveryWordAndKeepsTheCursor) {
  const Words words = {"a", "ab", "abc", "b", "ba", "c"};
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, words));
  ASSERT_NE(index.FindExact("ba"), CDicIndex::kNotFound);
  MCStringArray listed;
  MCDWordArray offsets;
  ASSERT_EQ(index.ListWords(listed, offsets), static_cast<int>(words.size()));
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_STREQ(listed[static_cast<int>(i)], words[i].c_str());
    EXPECT_EQ(offsets[static_cast<int>(i)], static_cast<unsigned>(OffsetOfWord(i)));
  }
  EXPECT_STREQ(index.GetCurrentWord(), "ba");
}

// --- The flag-driven searches

class DicIndexFlags : public testing::Test {
 protected:
  // bad and bag carry the label; bar's "divulge" does not.
  void SetUp() override {
    ASSERT_TRUE(BuildWords(index_, words_));
    const char* texts[] = {"(vulg) coarse", "sack, vulg.", "to forbid", "to divulge", "vulgar"};
    for (size_t i = 0; i < words_.size(); ++i) articles_.Add(OffsetOfWord(i), texts[i]);
  }
  int32_t Offset(const char* word) const {
    return OffsetOfWord(
        static_cast<size_t>(std::find(words_.begin(), words_.end(), word) - words_.begin()));
  }

  const Words words_ = {"bad", "bag", "ban", "bar", "bat"};
  CDicIndex index_;
  TableArticles articles_;
};

TEST_F(DicIndexFlags, ExactWithoutVulgarFailsOnAMarkedArticle) {
  const char* found = "untouched";
  EXPECT_EQ(index_.Find(1537, "bad", &found, &articles_), CDicIndex::kNotFound);
  EXPECT_STREQ(found, "untouched");
  EXPECT_EQ(index_.Find(1537, "bat", &found, &articles_), Offset("bat"));  // "vulgar" is a word
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(articles_.lastFlags(), 1537);
}

TEST_F(DicIndexFlags, NearWithoutVulgarMovesOnToAnUnmarkedArticle) {
  const char* found = nullptr;
  EXPECT_EQ(index_.Find(1538, "ba", &found, &articles_), Offset("ban"));
  EXPECT_STREQ(found, "ban");
  EXPECT_EQ(index_.GetSearchMode(), 1538);
  // Back past the marked ones there is nothing: the cursor stays.
  EXPECT_EQ(index_.Prev(&found, &articles_), CDicIndex::kNotFound);
  EXPECT_STREQ(index_.GetCurrentWord(), "ban");
  EXPECT_EQ(index_.Next(&found, &articles_), Offset("bar"));
  EXPECT_STREQ(found, "bar");
}

TEST_F(DicIndexFlags, NearWhenEveryFollowingArticleIsMarked) {
  TableArticles allMarked;
  for (size_t i = 0; i < words_.size(); ++i) allMarked.Add(OffsetOfWord(i), "vulg");
  const char* found = nullptr;
  EXPECT_EQ(index_.Find(1538, "bag", &found, &allMarked), CDicIndex::kNotFound);
  EXPECT_STREQ(index_.GetCurrentWord(), "bag");
}

TEST_F(DicIndexFlags, WordOnlyNeedsNoArticle) {
  const char* found = "untouched";
  EXPECT_EQ(index_.Find(kMDFindWordOnly, "bad", &found, &articles_), Offset("bad"));
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(
      index_.Find(kMDFindWordOnly | kMDFindNoVulgar | kMDFindExact, "bad", &found, &articles_),
      Offset("bad"));
  EXPECT_TRUE(articles_.askedWords().empty());
}

TEST_F(DicIndexFlags, FirstKindDecidesAndNoKindFindsNothing) {
  const char* found = nullptr;
  EXPECT_EQ(index_.Find(kMDFindNear | kMDFindPrefix, "ba", &found, &articles_), Offset("bad"));
  EXPECT_EQ(index_.Find(kMDFindPrefix | kMDFindFlexion, "bags", &found, &articles_),
            CDicIndex::kNotFound);  // flexion decides: "sgab" ends in no stored word
  EXPECT_EQ(index_.Find(kMDFindDictForm, "bad", &found, &articles_), CDicIndex::kNotFound);
}

TEST_F(DicIndexFlags, PrefixAndFlexionKeepTheStoredMode) {
  const char* found = nullptr;
  ASSERT_EQ(index_.Find(514, "bar", &found, &articles_), Offset("bar"));
  EXPECT_EQ(index_.Find(kMDFindPrefix | kMDFindDictForm, "bars", &found, &articles_),
            Offset("bar"));
  EXPECT_STREQ(found, "bar");
  EXPECT_EQ(index_.Find(kMDFindFlexion, "x", &found, &articles_), CDicIndex::kNotFound);
  EXPECT_EQ(index_.GetSearchMode(), 514);
  // Next and Prev hand the stored mode (and so the article form) on.
  EXPECT_EQ(index_.Next(&found, &articles_), Offset("bat"));
  EXPECT_EQ(index_.Prev(&found, &articles_), Offset("bar"));
}

TEST_F(DicIndexFlags, DictionaryFormReachesTheArticleSource) {
  const char* found = nullptr;
  ASSERT_EQ(index_.Find(1538, "bar", &found, &articles_), Offset("bar"));
  EXPECT_EQ(articles_.lastFlags(), 1538);
  EXPECT_EQ(articles_.askedWords().back(), "bar");
}

// --- Damaged tries: every search fails and nothing reads out of bounds.

struct DamagedTrie {
  const char* name;
  Bytes bytes;
};

const DamagedTrie kDamagedTries[] = {
    {"BranchPastTheEnd", {0x05, 0x05, 0x00, 0x00, 'a'}},
    {"ChildPastTheEnd", {0x01, 0xFF, 0x00, 0x00, 'a'}},
    {"ChildIsItsOwnNode", {0x01, 0x00, 0x00, 0x00, 'a'}},
    {"LeafPastTheEnd", {0xFD, 0x00, 0x00, 0x00, 'a'}},
    {"OffsetPastTheEnd", {0x01, 0x05, 0x00, 0x00, 'a', 0x00, 0x01}},
    {"EndOfWordChildIsABranch", {0x01, 0x05, 0x00, 0x00, 0x00, 0x01, 0x05, 0x00, 0x00, 'a'}},
    {"LeafOfOffsetOnly", {0x80, 0x01, 0x02}},
};

void PrintTo(const DamagedTrie& c, std::ostream* out) { *out << c.name; }

class DicIndexDamaged : public testing::TestWithParam<DamagedTrie> {};

TEST_P(DicIndexDamaged, SearchesFailWithinTheBytes) {
  const Bytes& bytes = GetParam().bytes;
  // An exact copy on the heap, so that ASan sees any read past its end.
  std::unique_ptr<unsigned char[]> copy(new unsigned char[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), copy.get());
  CDicIndex index;
  ASSERT_EQ(index.LoadBytes(copy.get(), static_cast<int>(bytes.size())), 1);
  EXPECT_EQ(index.FindExact("a"), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindExact(""), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindNear(""), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindNear("a"), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindPrefix("abc"), CDicIndex::kNotFound);
  EXPECT_EQ(index.FindFlexion("cba"), CDicIndex::kNotFound);
  EXPECT_EQ(index.Next(), CDicIndex::kNotFound);
  EXPECT_EQ(index.Prev(), CDicIndex::kNotFound);
  MCStringArray words;
  MCDWordArray offsets;
  EXPECT_EQ(index.ListWords(words, offsets), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, DicIndexDamaged, testing::ValuesIn(kDamagedTries),
                         [](const testing::TestParamInfo<DamagedTrie>& info) {
                           return std::string(info.param.name);
                         });

// Two children that lead to the same word: the listing and the vulgar walk
// stop instead of going round.
TEST(DicIndexDamagedLoops, RepeatedChildrenEndTheWalks) {
  const Bytes bytes = {0x02, 0x09, 0x00, 0x00, 'a',  0x09, 0x00,
                       0x00, 'a',  0xFF, 0x01, 0x00, 0x00, 'x'};
  CDicIndex index;
  ASSERT_EQ(index.LoadBytes(bytes.data(), static_cast<int>(bytes.size())), 1);
  MCStringArray words;
  MCDWordArray offsets;
  EXPECT_EQ(index.ListWords(words, offsets), 1);
  TableArticles marked;
  marked.Add(1, "vulg");
  const char* found = nullptr;
  EXPECT_EQ(index.Find(1538, "a", &found, &marked), CDicIndex::kNotFound);
  EXPECT_STREQ(index.GetCurrentWord(), "ax");
}

// Two children of one character leading to different words: the second word
// is reached by stepping, but no search finds it, so no step leaves it.
TEST(DicIndexDamagedLoops, WordBehindARepeatedCharacterIsADeadEnd) {
  const Bytes bytes = {0x02, 0x09, 0x00, 0x00, 'a',  0x0E, 0x00, 0x00, 'a', 0xFF,
                       0x01, 0x00, 0x00, 'x',  0xFF, 0x02, 0x00, 0x00, 'y'};
  CDicIndex index;
  ASSERT_EQ(index.LoadBytes(bytes.data(), static_cast<int>(bytes.size())), 1);
  ASSERT_EQ(index.FindNear(""), 1);
  ASSERT_EQ(index.Next(), 2);
  EXPECT_STREQ(index.GetCurrentWord(), "ay");
  EXPECT_EQ(index.Prev(), CDicIndex::kNotFound);
  EXPECT_EQ(index.Next(), CDicIndex::kNotFound);
  EXPECT_STREQ(index.GetCurrentWord(), "ay");
  EXPECT_EQ(index.FindExact("ay"), CDicIndex::kNotFound);
}

// --- The builder

struct RefusedList {
  const char* name;
  Words words;
};

Words SingleCharacterWords(int count) {
  Words words;
  for (int b = 1; b <= count; ++b) words.push_back(std::string(1, static_cast<char>(b)));
  return words;
}

const RefusedList kRefusedLists[] = {
    {"RangeNotContiguous", {"ab", "b", "ac"}},
    {"WordAfterItsExtension", {"ab", "a"}},
    {"DuplicateApart", {"cat", "catalog", "cat"}},
    {"EmptyWord", {"", "a"}},
    {"WordTooLong", {std::string(CDicIndex::kMaxWordLength + 1, 'a')}},
    {"TooManyChildren", SingleCharacterWords(128)},
};

void PrintTo(const RefusedList& c, std::ostream* out) { *out << c.name; }

class DicIndexRefused : public testing::TestWithParam<RefusedList> {};

TEST_P(DicIndexRefused, FailsAndKeepsTheIndex) {
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"old"}));
  const std::string before = TrieBytes(index);
  MCStringArray list;
  FillList(GetParam().words, list);
  MCDWordArray slots;
  EXPECT_EQ(index.Build(list, &slots), 0);
  EXPECT_EQ(TrieBytes(index), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, DicIndexRefused, testing::ValuesIn(kRefusedLists),
                         [](const testing::TestParamInfo<RefusedList>& info) {
                           return std::string(info.param.name);
                         });

TEST(DicIndexBuild, MostChildrenAndAdjacentDuplicates) {
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, SingleCharacterWords(127)));
  EXPECT_EQ(index.FindExact("\x7F"), OffsetOfWord(126));

  MCStringArray list;
  FillList({"cat", "cat", "dog"}, list);
  MCDWordArray slots;
  ASSERT_EQ(index.Build(list, &slots), 1);
  ASSERT_EQ(slots.GetSize(), 3);
  EXPECT_EQ(slots[1], CDicIndex::kNoSlot);
  EXPECT_NE(slots[0], CDicIndex::kNoSlot);
  EXPECT_NE(index.FindExact("dog"), CDicIndex::kNotFound);
}

// The editor rebuilds under the viewer's cursor: the current word stays and
// the next step is taken in the new trie, whose nodes lie elsewhere.
TEST(DicIndexBuild, CursorStepsInTheRebuiltTrie) {
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"apple", "baker", "bakery", "cider"}));
  ASSERT_EQ(index.FindExact("baker"), OffsetOfWord(1));
  ASSERT_TRUE(BuildWords(index, {"a", "ab", "baker", "bakers", "bakery", "cider"}));
  EXPECT_EQ(index.Next(), OffsetOfWord(3));
  EXPECT_STREQ(index.GetCurrentWord(), "bakers");
  EXPECT_EQ(index.Prev(), OffsetOfWord(2));
  EXPECT_EQ(index.Prev(), OffsetOfWord(1));
  EXPECT_STREQ(index.GetCurrentWord(), "ab");
}

TEST(DicIndexBuild, EmptyListEmptiesTheIndex) {
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"a", "b"}));
  MCStringArray list;
  MCDWordArray slots;
  ASSERT_EQ(index.Build(list, &slots), 1);
  EXPECT_EQ(index.GetLength(), 0);
  EXPECT_EQ(slots.GetSize(), 0);
}

TEST(DicIndexBuild, OffsetsMustFitThreeBytes) {
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"cat", "catalog"}));
  EXPECT_EQ(index.SetOffset(25, 0xFFFFFF), 1);
  EXPECT_EQ(index.SetOffset(25, 0x1000000), 0);
  EXPECT_EQ(index.SetOffset(33, 1), 0);  // the slot would run past the trie
  EXPECT_EQ(index.FindExact("cat"), 0xFFFFFF);
}

// More than 16 MB of words under 'a' put 'b' out of reach of a 3-byte position.
TEST(DicIndexBuild, PositionsMustFitThreeBytes) {
  Words words;
  const std::string tail(122, 't');  // leaves of 122 characters, about 130 bytes a word
  for (int i = 0; i < 140000; ++i) {
    char id[16];
    std::snprintf(id, sizeof id, "%06d", i);
    words.push_back(std::string("a") + id + tail);
  }
  words.push_back("b");
  CDicIndex index;
  MCStringArray list;
  FillList(words, list);
  EXPECT_EQ(index.Build(list, nullptr), 0);
  EXPECT_EQ(index.GetLength(), 0);
}

// A build grows past the buffer it reserved from a small previous trie.
TEST(DicIndexBuild, ManyWordsAfterASmallTrie) {
  Words words;
  for (int i = 0; i < 10000; ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "w%05d", i);
    words.push_back(word);
  }
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, {"x"}));
  ASSERT_TRUE(BuildWords(index, words));
  EXPECT_EQ(index.FindExact("w09999"), OffsetOfWord(9999));
}

std::vector<int32_t>& ProgressCalls() {
  static std::vector<int32_t> calls;
  return calls;
}

int32_t MLEX_STDCALL RecordProgress(int32_t thousandths) {
  ProgressCalls().push_back(thousandths);
  return 1;
}

int32_t MLEX_STDCALL CancelAtHalf(int32_t thousandths) { return thousandths < 500; }

TEST(DicIndexBuild, ProgressIsReportedAndCanCancel) {
  CDicIndex index;
  index.SetProgressCallback(RecordProgress);
  ProgressCalls().clear();
  ASSERT_TRUE(BuildWords(index, {"a", "b", "c", "d"}));
  // The root (first word 0), then each one-word child: 0, 250, 500, 750.
  EXPECT_EQ(ProgressCalls(), (std::vector<int32_t>{0, 0, 250, 500, 750}));

  const std::string before = TrieBytes(index);
  index.SetProgressCallback(CancelAtHalf);
  EXPECT_FALSE(BuildWords(index, {"e", "f", "g", "h"}));
  EXPECT_EQ(TrieBytes(index), before);
}

// --- The index in a file

TEST(DicIndexFile, SavedIndexLoadsBack) {
  ScratchDir dir;
  const std::string path = dir.Path("index.bin");
  CDicIndex saved;
  ASSERT_TRUE(BuildWords(saved, {"cat", "catalog", "dog"}));
  {
    MCFile file(path.c_str(), MCFile::kModeCreate | MCFile::kModeWrite);
    ASSERT_EQ(file.Write("head", 4), 4u);
    ASSERT_EQ(saved.SaveToFile(file), 1);
  }
  MCFile file(path.c_str(), MCFile::kModeRead);
  ASSERT_EQ(file.Seek(4, MCFile::kBegin), 4);
  CDicIndex loaded;
  ASSERT_EQ(loaded.LoadFromFile(file), 1);
  EXPECT_EQ(TrieBytes(loaded), TrieBytes(saved));
  EXPECT_EQ(loaded.FindExact("dog"), OffsetOfWord(2));
}

// A file that another writer lengthens by `appended` after the reader has
// measured it, just before the reader's first read.
class GrowingFile : public MCFile {
 public:
  GrowingFile(const std::string& path, std::string appended)
      : MCFile(path.c_str(), kModeRead | kShareDenyNone),
        path_(path),
        appended_(std::move(appended)) {}

  unsigned Read(void* buffer, unsigned count) override {
    if (!appended_.empty()) {
      MCFile writer(path_.c_str(), kModeWrite | kShareDenyNone);
      EXPECT_GE(writer.SeekToEnd(), 0);
      EXPECT_EQ(writer.Write(appended_.data(), static_cast<unsigned>(appended_.size())),
                appended_.size());
      appended_.clear();
    }
    return MCFile::Read(buffer, count);
  }

 private:
  std::string path_;
  std::string appended_;
};

TEST(DicIndexFile, LengthPastTheFileIsRefused) {
  ScratchDir dir;
  struct StoredIndex {
    const char* name;
    std::string bytes;
    std::string appended;  // once the file is measured
  };
  const StoredIndex cases[] = {
      {"length past the end", std::string("\x06\x00\x00\x00", 4) + "\xFF\x00\x00\x00a", ""},
      {"huge length", std::string("\xFF\xFF\xFF\xFF", 4) + "\xFF\x00\x00\x00a", ""},
      {"short length field", std::string("\x01\x00", 2), ""},
      // What a read returns is no measure: only the file's length bounds the
      // index, so that a length field never makes it allocate past the file.
      {"length past the end as measured, whole by the time it is read",
       std::string("\x05\x00\x00\x00\xFF\x00", 6), std::string("\x00\x00a", 3)},
  };
  for (const StoredIndex& c : cases) {
    SCOPED_TRACE(c.name);
    dir.Write("index.bin", c.bytes);
    GrowingFile file(dir.Path("index.bin"), c.appended);
    CDicIndex index;
    ASSERT_TRUE(BuildWords(index, {"old"}));
    EXPECT_EQ(index.LoadFromFile(file), 0);
    EXPECT_EQ(index.GetLength(), 0);
    EXPECT_EQ(index.FindExact("a"), CDicIndex::kNotFound);
  }
}

}  // namespace
