// The builder of a dictionary's packed trie (lexicon/DicTrieFormat.h) from
// the complete word list in index order. CDicIndex::Build runs it; the
// result replaces the index only when the whole build succeeded.
#pragma once

#include <cstdint>
#include <vector>

#include "base/MCArray.h"
#include "lexicon/MdProp.h"

namespace dictrie {

class TrieBuilder {
 public:
  TrieBuilder(bool wordList, MD_PROGRESS_PROC progress)
      : wordList_(wordList), progress_(progress) {}

  // Builds the trie of `words` into trie (reserved from the previous trie's
  // length) and, unless a word list, the slot of each word's article offset
  // into slots (CDicIndex::kNoSlot for a dropped byte-equal neighbour). False on an
  // empty or over-long word, a list out of order, a format limit, or a
  // cancelling callback.
  bool Build(const MCStringArray& words, uint32_t previousLength, std::vector<unsigned char>* trie,
             std::vector<uint32_t>* slots);

 private:
  struct Word {
    const unsigned char* chars;
    uint32_t length;
    uint32_t input;  // index in the caller's list
  };

  bool BuildRange(size_t first, size_t end, uint32_t depth);
  bool WriteLeaf(const Word& word, uint32_t depth);
  bool WriteBranch(size_t first, size_t end, uint32_t depth);
  void WriteOffsetSlot(const Word& word);

  bool wordList_;
  MD_PROGRESS_PROC progress_;
  std::vector<Word> words_;
  std::vector<unsigned char>* trie_ = nullptr;
  std::vector<uint32_t>* slots_ = nullptr;
};

}  // namespace dictrie
