#include "lexicon/DicWordOrder.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "base/CharServices.h"
#include "base/PlainChars.h"

namespace {

// What ranks one byte: compared field by field.
struct ByteKey {
  int group;       // 0 non-letters below every letter, 1 letters, 2 other non-letters
  int alphabet;    // letters: the capital's alphabet index + 1 (0 outside the alphabet)
  int sevenBit;    // letters outside the alphabet: the 7-bit capital
  int letterCase;  // 0 capital, 1 caseless, 2 small
  int byte;

  bool operator<(const ByteKey& other) const {
    return std::tie(group, alphabet, sevenBit, letterCase, byte) <
           std::tie(other.group, other.alphabet, other.sevenBit, other.letterCase, other.byte);
  }
};

}  // namespace

CDicWordOrder::CDicWordOrder(unsigned short lang) : lang_(lang) {
  int lowestLetter = 256;
  for (int b = 1; b < 256; ++b) {
    if (IsMCharAlpha(static_cast<char>(b), lang)) {
      lowestLetter = b;
      break;
    }
  }
  std::array<ByteKey, 255> keys;
  for (int b = 1; b < 256; ++b) {
    const char ch = static_cast<char>(b);
    ByteKey key{b < lowestLetter ? 0 : 2, 0, 0, 0, b};
    if (IsMCharAlpha(ch, lang)) {
      const int index = MCharToIndex(MCharToUpper(ch, lang), lang);
      key.group = 1;
      key.alphabet = index + 1;
      key.sevenBit = index < 0 ? static_cast<unsigned char>(__toupper(ch)) : 0;
      key.letterCase = IsMCharUpper(ch, lang) ? 0 : IsMCharLower(ch, lang) ? 2 : 1;
    }
    keys[static_cast<size_t>(b - 1)] = key;
  }
  std::sort(keys.begin(), keys.end());
  rank_[0] = 0;  // the end of a word: before every character
  for (size_t i = 0; i < keys.size(); ++i) {
    rank_[keys[i].byte] = static_cast<uint8_t>(i + 1);
  }
}

int CDicWordOrder::Compare(const char* a, const char* b) const {
  const unsigned char* x = reinterpret_cast<const unsigned char*>(a ? a : "");
  const unsigned char* y = reinterpret_cast<const unsigned char*>(b ? b : "");
  for (; *x && *x == *y; ++x, ++y) {
  }
  return static_cast<int>(rank_[*x]) - static_cast<int>(rank_[*y]);
}
