// The format's ceilings applied before a build: the trie's size as the
// engine lays it out, and what is left out when a ceiling would be passed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/dictd/FormatCeilings.h"

namespace {

ConvertedDictionary DictionaryOf(const std::vector<std::string>& words, unsigned recordSize) {
  ConvertedDictionary dictionary;
  for (const std::string& word : words) {
    dictionary.articles.push_back(ConvertedArticle{word, word, "text", recordSize});
  }
  return dictionary;
}

std::vector<std::string> WordsOf(const ConvertedDictionary& dictionary) {
  std::vector<std::string> words;
  for (const ConvertedArticle& article : dictionary.articles) words.push_back(article.word);
  return words;
}

TEST(FormatCeilings, MeasuresTheTrieAsTheEngineWritesIt) {
  // cat, catalog: three one-child branches, a branch with the end-of-word
  // child and "a", an end-of-word node and the leaf "log" (35 bytes).
  EXPECT_EQ(MeasureTrie({"cat", "catalog"}).bytes, 35u);
  EXPECT_EQ(MeasureTrie({"cat", "catalog"}).maxChildren, 2u);
  EXPECT_EQ(MeasureTrie({"a"}).bytes, 5u);  // one leaf at the root
  EXPECT_EQ(MeasureTrie({}).bytes, 0u);
  EXPECT_EQ(MeasureTrie({"a", "b", "c"}).maxChildren, 3u);
}

TEST(FormatCeilings, LeavesOutWhatPassesACeiling) {
  struct {
    const char* name;
    FormatLimits limits;
    std::vector<std::string> kept;
    const char* problem;
  } cases[] = {
      {"a head word too long",
       [] {
         FormatLimits limits;
         limits.maxWordLength = 3;
         return limits;
       }(),
       {"ab", "abc", "b", "c"},
       "abcd: the head word is longer than 3"},
      {"too many children at one node",
       [] {
         FormatLimits limits;
         limits.maxChildren = 2;
         return limits;
       }(),
       {"ab", "abc", "abcd", "b"},
       "c: more than 2 different characters"},
      {"the article region full",
       [] {
         FormatLimits limits;
         limits.recordRegionEnd = 176 + 3 * 10;
         return limits;
       }(),
       {"ab", "abc", "abcd"},
       "2 articles from \"b\" to \"c\": the dictionary file's article"},
      {"the word index full",
       [] {
         FormatLimits limits;
         limits.indexBytes = 28;  // {ab, abc} take 27 bytes, {ab, abc, abcd} 40
         return limits;
       }(),
       {"ab", "abc"},
       "3 articles from \"abcd\" to \"c\": the word index is full"},
  };
  for (auto& c : cases) {
    ConvertedDictionary dictionary = DictionaryOf({"ab", "abc", "abcd", "b", "c"}, 10);
    ApplyFormatCeilings(c.limits, &dictionary);
    EXPECT_EQ(WordsOf(dictionary), c.kept) << c.name;
    ASSERT_FALSE(dictionary.problems.empty()) << c.name;
    EXPECT_NE(dictionary.problems.front().find(c.problem), std::string::npos)
        << c.name << ": " << dictionary.problems.front();
  }
}

TEST(FormatCeilings, KeepsADictionaryThatFits) {
  ConvertedDictionary dictionary = DictionaryOf({"cat", "catalog", "dog"}, 100);
  ApplyFormatCeilings(FormatLimits(), &dictionary);
  EXPECT_EQ(dictionary.articles.size(), 3u);
  EXPECT_TRUE(dictionary.problems.empty());
}

}  // namespace
