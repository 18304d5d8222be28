// CDicWordOrder: the order of a dictionary's words, in which its word list
// is sorted before the index is built and new words are inserted.
//
// The dictionary order of the input language (base/CharServices.h,
// MStrCompareSortUpDown): at the first differing character the alphabet
// index of the capital decides, then capitals come before small letters;
// letters outside the alphabet come before it, among themselves by their
// 7-bit capitals; a word comes before its extensions. Where those rules see
// two different characters as equal, their bytes decide, so the order is
// total (only byte-equal words compare equal) and every character is
// ranked on its own: the words that share a beginning stay together, as the
// trie needs. Characters that are not letters keep their byte order; those
// below every letter come first, the others after the letters.
#pragma once

#include <cstdint>

#include "lexicon/LexiconExport.h"

class MLEX_API CDicWordOrder {
 public:
  // The ranks are taken from the language data as it is now.
  explicit CDicWordOrder(unsigned short lang);

  // Negative, zero (byte-equal) or positive; null counts as "".
  int Compare(const char* a, const char* b) const;
  bool Less(const char* a, const char* b) const { return Compare(a, b) < 0; }
  unsigned short GetLanguage() const { return lang_; }

 private:
  uint8_t rank_[256];
  unsigned short lang_;
};
