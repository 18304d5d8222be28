// The word ends of a packed trie (lexicon/DicTrieFormat.h) in index order,
// read off its bytes in one pass, without spelling a word. The editor
// (lexicon/CDicEdit.cpp) uses it to rewrite one article, where the words
// stay and only the record offsets after it move.
//
// A trie laid out as the builder writes it (lexicon/DicTrieBuilder.h) has
// its nodes depth first, each child right after its elder sibling's subtree,
// so its word ends come in index order. The scan accepts only such a trie:
// every node where the one before it ends, no character twice among a
// branch's children, the end-of-word child first, no NUL in a leaf, words of
// at most 255 bytes, nothing after the last node. Any other trie, damaged or
// laid out elsewhere, is refused, and its words must be listed one by one.
#pragma once

#include <cstdint>
#include <vector>

#include "lexicon/DicTrieFormat.h"

namespace dictrie {

struct WordEnd {
  uint32_t slot;   // the position of the word's 3-byte article offset
  int32_t offset;  // the article offset stored there
};

// The word ends of a trie with article offsets, in index order; false (ends
// emptied) for a word list or a trie laid out otherwise.
bool ScanWordEnds(const TrieView& trie, std::vector<WordEnd>* ends);

}  // namespace dictrie
