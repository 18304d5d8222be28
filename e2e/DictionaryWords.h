// Words a user looks up, drawn from an installed dictionary: every head
// word that is one plain lower-case English word with a Russian word in its
// article, read through the dictionary system as any of its clients reads
// it, and a reproducible draw from them.
//
// Used by the soak run (soak.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvex::e2e {

struct DictionaryWord {
  std::wstring word;
  std::wstring translation;  // the first Russian word of its article
};

// The words of the first listed dictionary from langIn to langOut, in its
// order. False (with a reason in *error) when the dictionary system or the
// dictionary is not there or cannot be read. OLE must be initialised.
bool ReadDictionaryWords(long langIn, long langOut, std::vector<DictionaryWord>* words,
                         std::wstring* error);

// `count` words drawn from `words` (not empty) with repetition, the same
// ones for the same seed on every run.
std::vector<DictionaryWord> DrawWords(const std::vector<DictionaryWord>& words, size_t count,
                                      uint32_t seed);

}  // namespace morvex::e2e
