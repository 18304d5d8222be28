// The word index against a model: random word sets sorted in the word order,
// built into a trie and searched, checked against a sorted std::vector. Also
// the word order itself, in the 7-bit rules and with the Russian alphabet
// loaded (Latin head words in a Russian dictionary included).

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/CharServices.h"
#include "base/tests/wordlist_support.h"
#include "lexicon/CDicIndex.h"
#include "lexicon/DicWordOrder.h"
#include "lexicon/tests/dic_index_support.h"
#include "lexicon/tests/shipped_alphabets.h"

namespace {

constexpr unsigned short kNoAlphabet = 0x7F;  // a language the data never holds
constexpr unsigned short kRussian = 0x419;

Words SortedUnique(Words words, const CDicWordOrder& order) {
  std::sort(words.begin(), words.end(), [&](const std::string& a, const std::string& b) {
    return order.Less(a.c_str(), b.c_str());
  });
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

bool StartsWith(const std::string& word, const std::string& prefix) {
  return word.compare(0, prefix.size(), prefix) == 0;
}

// What the searches should give, worked out on the sorted list.
class Model {
 public:
  Model(const Words& words, const CDicWordOrder& order) : words_(words), order_(order) {}

  // The index of the first word that begins with prefix, or -1.
  int Near(const std::string& prefix) const {
    const auto at = std::lower_bound(words_.begin(), words_.end(), prefix,
                                     [&](const std::string& word, const std::string& key) {
                                       return order_.Less(word.c_str(), key.c_str());
                                     });
    return at != words_.end() && StartsWith(*at, prefix) ? static_cast<int>(at - words_.begin())
                                                         : -1;
  }
  int Exact(const std::string& word) const {
    const int at = Near(word);
    return at >= 0 && words_[static_cast<size_t>(at)] == word ? at : -1;
  }
  // The prefix search: the input itself, else (when no word goes on with
  // the input) the input with its last letter capitalised, else the longest
  // stored word shorter than the input that begins it.
  int Prefix(const std::string& input, char upperLast) const {
    if (const int exact = Exact(input); exact >= 0) return exact;
    if (!input.empty() && Near(input) < 0 && upperLast != input.back()) {
      const std::string capital = input.substr(0, input.size() - 1) + upperLast;
      if (const int at = Exact(capital); at >= 0) return at;
    }
    for (size_t length = input.empty() ? 0 : input.size() - 1; length > 0; --length) {
      if (const int at = Exact(input.substr(0, length)); at >= 0) return at;
    }
    return -1;
  }

 private:
  const Words& words_;
  const CDicWordOrder& order_;
};

Words RandomWords(std::mt19937& random, const std::string& alphabet, size_t count,
                  size_t maxLength) {
  std::uniform_int_distribution<size_t> length(1, maxLength);
  std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
  Words words;
  for (size_t i = 0; i < count; ++i) {
    std::string word;
    for (size_t n = length(random); n > 0; --n) word += alphabet[letter(random)];
    words.push_back(word);
  }
  return words;
}

// Random walks of Next and Prev from words the exact and near searches find,
// with the searches that fail and the listing (which keep the cursor) in
// between: every step must land where the model's position says.
void CheckCursorWalks(CDicIndex& index, const Words& words, const Model& model,
                      std::mt19937& random) {
  if (words.empty()) return;
  std::uniform_int_distribution<size_t> anyWord(0, words.size() - 1);
  std::uniform_int_distribution<int> action(0, 9);
  for (int walk = 0; walk < 20; ++walk) {
    size_t at = anyWord(random);
    const std::string& start = words[at];
    if (walk % 2) {
      ASSERT_EQ(index.FindExact(start.c_str()), OffsetOfWord(at));
    } else {
      const std::string prefix = start.substr(0, 1 + start.size() / 2);
      at = static_cast<size_t>(model.Near(prefix));
      ASSERT_EQ(index.FindNear(prefix.c_str()), OffsetOfWord(at));
    }
    for (int step = 0; step < 30; ++step) {
      SCOPED_TRACE("walk " + std::to_string(walk) + " step " + std::to_string(step));
      const int what = action(random);
      if (what == 0) {
        EXPECT_EQ(index.FindExact((words[at] + "\x01").c_str()), CDicIndex::kNotFound);
        EXPECT_EQ(index.FindNear("\x01"), CDicIndex::kNotFound);
      } else if (what == 1) {
        MCStringArray listed;
        MCDWordArray offsets;
        EXPECT_EQ(index.ListWords(listed, offsets), static_cast<int>(words.size()));
      } else if (what < 6) {
        const bool last = at + 1 == words.size();
        ASSERT_EQ(index.Next(), last ? CDicIndex::kNotFound : OffsetOfWord(at + 1));
        if (!last) ++at;
      } else {
        const bool first = at == 0;
        ASSERT_EQ(index.Prev(), first ? CDicIndex::kNotFound : OffsetOfWord(at - 1));
        if (!first) --at;
      }
      ASSERT_EQ(index.GetCurrentWord(), words[at]);
    }
  }
}

// Builds the words and checks every search against the model.
void CheckAgainstModel(const Words& words, unsigned short lang, std::mt19937& random,
                       const std::string& alphabet) {
  const CDicWordOrder order(lang);
  CDicIndex index;
  index.SetLanguage(lang);
  ASSERT_TRUE(BuildWords(index, words));
  const Model model(words, order);

  for (size_t i = 0; i < words.size(); ++i) {
    ASSERT_EQ(index.FindExact(words[i].c_str()), OffsetOfWord(i)) << words[i];
  }
  // Every beginning of every word, and random probes.
  std::set<std::string> probes;
  for (const std::string& word : words) {
    for (size_t n = 0; n <= word.size(); ++n) probes.insert(word.substr(0, n));
  }
  for (const std::string& probe : RandomWords(random, alphabet, 200, 7)) probes.insert(probe);
  for (const std::string& probe : probes) {
    SCOPED_TRACE("probe \"" + probe + "\"");
    const int near = model.Near(probe);
    EXPECT_EQ(index.FindNear(probe.c_str()), near < 0 ? -1 : OffsetOfWord(size_t(near)));
    if (near >= 0) {
      EXPECT_EQ(index.GetCurrentWord(), words[static_cast<size_t>(near)]);
    }
    const char upper = probe.empty() ? '\0' : MCharToUpper(probe.back(), lang);
    const int prefix = model.Prefix(probe, upper);
    EXPECT_EQ(index.FindPrefix(probe.c_str()), prefix < 0 ? -1 : OffsetOfWord(size_t(prefix)));
    EXPECT_EQ(index.GetOutputWord(), prefix < 0 ? "" : words[static_cast<size_t>(prefix)]);
  }
  // Next walks the model's order from the first word, Prev back from the last.
  ASSERT_EQ(index.FindNear(""), OffsetOfWord(0));
  for (size_t i = 1; i < words.size(); ++i) {
    ASSERT_EQ(index.Next(), OffsetOfWord(i));
    ASSERT_EQ(index.GetCurrentWord(), words[i]);
  }
  EXPECT_EQ(index.Next(), CDicIndex::kNotFound);
  for (size_t i = words.size() - 1; i > 0; --i) {
    ASSERT_EQ(index.Prev(), OffsetOfWord(i - 1));
    ASSERT_EQ(index.GetCurrentWord(), words[i - 1]);
  }
  EXPECT_EQ(index.Prev(), CDicIndex::kNotFound);
  MCStringArray listed;
  MCDWordArray offsets;
  EXPECT_EQ(index.ListWords(listed, offsets), static_cast<int>(words.size()));
  CheckCursorWalks(index, words, model, random);
}

// Random word sets over `alphabet`, round r holding up to 1 + r * growth
// words of at most `maxLength` letters, each checked against the model.
void CheckRandomWordSets(unsigned short lang, const std::string& alphabet, unsigned seed,
                         int rounds, size_t growth, size_t maxLength) {
  const CDicWordOrder order(lang);
  std::mt19937 random(seed);
  for (int round = 0; round < rounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const Words words = SortedUnique(
        RandomWords(random, alphabet, 1 + static_cast<size_t>(round) * growth, maxLength), order);
    CheckAgainstModel(words, lang, random, alphabet);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(DicIndexModel, RandomSevenBitWordSets) {
  CheckRandomWordSets(kNoAlphabet, "abcABC-1", 20261210, 40, 5, 6);
}

TEST(DicIndexModel, LongWordsMakeChainsOfBranches) {
  const std::string alphabet = "ab";
  const CDicWordOrder order(kNoAlphabet);
  std::mt19937 random(7);
  for (int round = 0; round < 5; ++round) {
    Words words = RandomWords(random, alphabet, 20, 4);
    for (const std::string& stem : Words(words)) words.push_back(stem + std::string(200, 'b'));
    CheckAgainstModel(SortedUnique(words, order), kNoAlphabet, random, alphabet);
    if (HasFatalFailure()) return;
  }
}

TEST(DicIndexModel, RandomRussianWordSetsWithLatinLetters) {
  ASSERT_TRUE(LoadShippedAlphabets()) << "the build's data/Lang.txt has no Russian alphabet";
  // Cyrillic letters of both cases (yo among them), Latin ones outside the
  // alphabet, a blank and a hyphen.
  CheckRandomWordSets(kRussian, Cp1251("абеёжяАЁЯ") + "xyXD -", 1049, 30, 6, 5);
}

// --- The word order

struct OrderedPair {
  const char* before;
  const char* after;
};

TEST(DicWordOrder, SevenBitRules) {
  const CDicWordOrder order(kNoAlphabet);
  const OrderedPair pairs[] = {
      {"cat", "catalog"},  // a word before its extensions
      {"Cat", "cat"},      // capitals first
      {"cat", "Dog"},      // the letter before the case
      {"b", "Ca"},        {"a b", "ab"}, {"1a", "a"}, {"", "a"},
  };
  for (const OrderedPair& pair : pairs) {
    EXPECT_LT(order.Compare(pair.before, pair.after), 0) << pair.before << " < " << pair.after;
    EXPECT_GT(order.Compare(pair.after, pair.before), 0) << pair.after << " > " << pair.before;
  }
  EXPECT_EQ(order.Compare("cat", "cat"), 0);
  EXPECT_EQ(order.Compare(nullptr, ""), 0);
}

TEST(DicWordOrder, RussianAlphabetAndLatinHeadWords) {
  ASSERT_TRUE(LoadShippedAlphabets()) << "the build's data/Lang.txt has no Russian alphabet";
  const CDicWordOrder order(kRussian);
  const OrderedPair pairs[] = {
      {"\xC5\xEB\xFC", "\xB8\xEB\xEA\xE0"},  // Ель before ёлка: е before ё
      {"\xE5\xF8\xB8", "\xB8"},              // ешё before ё
      {"\xA8", "\xB8"},                      // Ё before ё
      {"\xB8", "\xE6"},                      // ё before ж, though its byte is smaller
      {"SMS", "\xE0"},                       // Latin before the alphabet
      {"CD", "CDR"},
      {"CDR", "DVD"},
      {"xb", "xbcd"},
      {"xbcd", "yab"},
  };
  for (const OrderedPair& pair : pairs) {
    EXPECT_LT(order.Compare(pair.before, pair.after), 0) << pair.before << " < " << pair.after;
  }
  // Where the alphabet orders two words of letters, both orders agree.
  const Words cyrillic = {Cp1251("дом"), Cp1251("Дом"), Cp1251("дома"), Cp1251("ёж"),
                          Cp1251("еж"),  Cp1251("Ёж"),  Cp1251("жук")};
  for (const std::string& a : cyrillic) {
    for (const std::string& b : cyrillic) {
      const int services = MStrCompareSortUpDown(a.c_str(), b.c_str(), kRussian);
      const int ours = order.Compare(a.c_str(), b.c_str());
      EXPECT_EQ((services > 0) - (services < 0), (ours > 0) - (ours < 0)) << a << " vs " << b;
    }
  }
}

// Latin abbreviations under a Russian alphabet stay apart and findable.
TEST(DicWordOrder, LatinAbbreviationsInARussianIndex) {
  ASSERT_TRUE(LoadShippedAlphabets()) << "the build's data/Lang.txt has no Russian alphabet";
  const CDicWordOrder order(kRussian);
  const Words words =
      SortedUnique({"CD", "DVD", "SMS", "CDR", "xb", "yab", "xbcd", Cp1251("диск")}, order);
  ASSERT_EQ(words.size(), 8u);
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, words));
  for (size_t i = 0; i < words.size(); ++i)
    EXPECT_EQ(index.FindExact(words[i].c_str()), OffsetOfWord(i));
  MCStringArray listed;
  MCDWordArray offsets;
  EXPECT_EQ(index.ListWords(listed, offsets), 8);
}

}  // namespace
