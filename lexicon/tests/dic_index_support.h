// Helpers of the word-index tests: building an index from a word list with
// known article offsets, reading its bytes, and an article source that
// serves texts from a table.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "lexicon/CDicIndex.h"

using Words = std::vector<std::string>;

// The article offset the helpers give the word at `index` of the list.
int32_t OffsetOfWord(size_t index);

// Builds words (already in index order) into index; for dictionaries with
// records each word's slot receives OffsetOfWord(its index). False when
// Build fails.
bool BuildWords(CDicIndex& index, const Words& words);
// The trie's bytes.
std::string TrieBytes(const CDicIndex& index);
// The words in this order, as a list for Build.
void FillList(const Words& words, MCStringArray& list);

// Article texts keyed by offset; remembers the flags of the last request.
class TableArticles : public CDicArticleSource {
 public:
  void Add(int32_t offset, const std::string& text) { texts_[offset] = text; }
  const char* GetArticleText(int32_t offset, const char* word, int32_t flags) override;
  int32_t lastFlags() const { return lastFlags_; }
  const std::vector<std::string>& askedWords() const { return askedWords_; }

 private:
  std::map<int32_t, std::string> texts_;
  std::vector<std::string> askedWords_;
  int32_t lastFlags_ = 0;
};
