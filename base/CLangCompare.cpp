// The word comparisons of CLang. Every walk skips equal bytes and decides at
// the first pair that differs; a pair with a non-letter in it ends the walk
// and compares as bytes.

#include "base/CLang.h"
#include "base/PlainChars.h"

namespace {

int Byte(char ch) { return static_cast<unsigned char>(ch); }

const char* OrEmpty(const char* s) { return s ? s : ""; }

}  // namespace

int CLang::CompareNoCase(const char* a, const char* b) const {
  return CompareFolded(a, b, &CLang::ToUpper);
}

int CLang::CompareBaseNoCase(const char* a, const char* b) const {
  return CompareFolded(a, b, &CLang::ToBaseUpper);
}

int CLang::CompareNNoCase(const char* a, const char* b, unsigned n) const {
  return CompareNFolded(a, b, n, &CLang::ToUpper);
}

int CLang::CompareNSort(const char* a, const char* b, unsigned n) const {
  return CompareNNoCase(a, b, n);
}

int CLang::CompareBaseNNoCase(const char* a, const char* b, unsigned n) const {
  return CompareNFolded(a, b, n, &CLang::ToBaseUpper);
}

int CLang::CompareFolded(const char* a, const char* b, char (CLang::*fold)(char) const) const {
  a = OrEmpty(a);
  b = OrEmpty(b);
  for (; *a && *b; ++a, ++b) {
    if (*a == *b) continue;
    if (!IsAlpha(*a) || !IsAlpha(*b)) break;
    const int x = Byte((this->*fold)(*a));
    const int y = Byte((this->*fold)(*b));
    if (x != y) return x - y;
  }
  return Byte(*a) - Byte(*b);
}

int CLang::CompareNFolded(const char* a, const char* b, unsigned n,
                          char (CLang::*fold)(char) const) const {
  a = OrEmpty(a);
  b = OrEmpty(b);
  int difference = 0;
  // A string's end maps to 0, so neither walk passes the end of a or b.
  for (unsigned i = 0; i < n; ++i) {
    const int x = Byte((this->*fold)(a[i]));
    const int y = Byte((this->*fold)(b[i]));
    difference = x - y;
    if (x == 0 || difference != 0) break;
  }
  return difference;
}

int CLang::CaseOrder(char a, char b) const {
  const bool capitalBeforeSmall = IsUpper(a) && IsLower(b);
  const bool smallAfterCapital = IsLower(a) && IsUpper(b);
  // Both hold only for two caseless letters, which the case cannot order.
  return static_cast<int>(smallAfterCapital) - static_cast<int>(capitalBeforeSmall);
}

int CLang::AlphabetOrder(char a, char b) const {
  const int indexA = CharToIndex(a);
  const int indexB = CharToIndex(b);
  if (indexA != indexB) return indexA - indexB;
  // Two letters outside the alphabet (Latin in a Cyrillic word) would
  // otherwise tie, and "CD" would be the same word as "DC".
  if (indexA == kNoRow) return Byte(__toupper(a)) - Byte(__toupper(b));
  return 0;
}

int CLang::CompareSort(const char* a, const char* b) const {
  a = OrEmpty(a);
  b = OrEmpty(b);
  int tie = 0;  // the bytes of the first pair that neither case nor alphabet ordered
  for (; *a && *b; ++a, ++b) {
    if (*a == *b) continue;
    if (!IsAlpha(*a) || !IsAlpha(*b)) break;
    if (const int byCase = CaseOrder(*a, *b)) return byCase;
    if (const int byAlphabet = AlphabetOrder(*a, *b)) return byAlphabet;
    if (tie == 0) tie = Byte(*a) - Byte(*b);
  }
  if (*a || *b) return Byte(*a) - Byte(*b);
  return tie;
}

int CLang::CompareSortUpDown(const char* a, const char* b) const {
  a = OrEmpty(a);
  b = OrEmpty(b);
  int tie = 0;  // as in CompareSort: two different words never compare equal
  for (; *a && *b; ++a, ++b) {
    if (*a == *b) continue;
    if (!IsAlpha(*a) || !IsAlpha(*b)) break;
    if (const int byAlphabet = AlphabetOrder(ToUpper(*a), ToUpper(*b))) return byAlphabet;
    if (const int byCase = CaseOrder(*a, *b)) return byCase;
    if (tie == 0) tie = Byte(*a) - Byte(*b);
  }
  if (*a || *b) return Byte(*a) - Byte(*b);
  return tie;
}
