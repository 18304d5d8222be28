// The ceilings of the dictionary file format applied to a converted
// dictionary before it is built, so that building never fails half-way
// and nothing is cut: article records start below 2^24 (3-byte offsets),
// the word index stays below 2^24 bytes (3-byte child positions), a node of
// the index has at most 127 children, a head word at most 128 characters
// (so that its leaf fits). Articles beyond a ceiling are left out and
// listed. The dictionary builder applies them; the tests check them with
// small limits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/dictd/ConvertedDictionary.h"

struct FormatLimits {
  uint64_t recordRegionEnd = 1u << 24;  // records must lie below this offset
  uint64_t indexBytes = 1u << 24;       // the trie must be shorter
  unsigned maxChildren = 127;
  unsigned maxWordLength = 128;
};

// The bytes of the trie that the engine builds for these words (in byte
// order, unique) and the largest number of children of one node.
struct TrieShape {
  uint64_t bytes = 0;
  unsigned maxChildren = 0;
};
TrieShape MeasureTrie(const std::vector<std::string>& sortedWords);

// Removes from `dictionary` the articles that pass a ceiling, each listed in
// its problems (a run cut off by a full file as one line).
void ApplyFormatCeilings(const FormatLimits& limits, ConvertedDictionary* dictionary);
