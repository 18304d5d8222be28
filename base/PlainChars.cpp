#include "base/PlainChars.h"

#include <cstring>
#include <initializer_list>

namespace {

unsigned char Byte(char ch) { return static_cast<unsigned char>(ch); }

bool InRange(char ch, unsigned char low, unsigned char high) {
  return Byte(ch) >= low && Byte(ch) <= high;
}

const char* OrEmpty(const char* s) { return s ? s : ""; }

const char kVowels[] = "aeiouyAEIOUY";
const char kConsonants[] = "bcdfghjklmnpqrstvwxzBCDFGHJKLMNPQRSTVWXZ";

// ch when it is one of the set's characters (never its terminator), else 0.
char InSet(const char* set, char ch) { return ch != '\0' && std::strchr(set, ch) ? ch : '\0'; }

// Whether ch is one of the codes.
bool IsOneOf(char ch, std::initializer_list<unsigned char> codes) {
  for (unsigned char code : codes) {
    if (Byte(ch) == code) return true;
  }
  return false;
}

}  // namespace

extern "C" {

int _isupper(char ch) { return InRange(ch, 'A', 'Z'); }

int _islower(char ch) { return InRange(ch, 'a', 'z'); }

int _iscntrl(char ch) { return Byte(ch) < 32 || Byte(ch) == 127; }

int _isalpha(char ch) { return _isupper(ch) || _islower(ch); }

int _isalnum(char ch) { return _isalpha(ch) || _isdigit(ch); }

int _isdigit(char ch) { return InRange(ch, '0', '9'); }

int _isxdigit(char ch) { return _isdigit(ch) || InRange(ch, 'a', 'f') || InRange(ch, 'A', 'F'); }

int _isspace(char ch) { return InRange(ch, 9, 13) || ch == ' '; }

char __toupper(char ch) { return _islower(ch) ? static_cast<char>(ch - 'a' + 'A') : ch; }

char __tolower(char ch) { return _isupper(ch) ? static_cast<char>(ch - 'A' + 'a') : ch; }

char* __strupr(char* s) {
  for (char* p = s; p && *p; ++p) *p = __toupper(*p);
  return s;
}

char* __strlwr(char* s) {
  for (char* p = s; p && *p; ++p) *p = __tolower(*p);
  return s;
}

char* __strrev(char* s) {
  if (!s) return s;
  std::size_t length = std::strlen(s);
  for (std::size_t i = 0; i < length / 2; ++i) {
    char kept = s[i];
    s[i] = s[length - 1 - i];
    s[length - 1 - i] = kept;
  }
  return s;
}

char* _strchr(const char* s, char ch) {
  if (!s) return nullptr;
  for (;; ++s) {
    if (*s == ch) return const_cast<char*>(s);
    if (*s == '\0') return nullptr;
  }
}

char* _strrchr(const char* s, char ch) {
  if (!s) return nullptr;
  const char* found = nullptr;
  for (;; ++s) {
    if (*s == ch) found = s;
    if (*s == '\0') return const_cast<char*>(found);
  }
}

int __stricmp(const char* a, const char* b) {
  a = OrEmpty(a);
  b = OrEmpty(b);
  for (; *a && *b; ++a, ++b) {
    if (*a == *b) continue;
    if (!_isalpha(*a) || !_isalpha(*b)) break;
    int upperA = Byte(__toupper(*a));
    int upperB = Byte(__toupper(*b));
    if (upperA != upperB) return upperA - upperB;
  }
  return Byte(*a) - Byte(*b);
}

int __strnicmp(const char* a, const char* b, unsigned n) {
  a = OrEmpty(a);
  b = OrEmpty(b);
  int difference = 0;
  for (unsigned i = 0; i < n; ++i) {
    int x = Byte(__toupper(a[i]));
    int y = Byte(__toupper(b[i]));
    difference = x - y;
    if (x == 0 || difference != 0) break;
  }
  return difference;
}

const char* GetVowels() { return kVowels; }

const char* GetConsonants() { return kConsonants; }

char IsVowel(char ch) { return InSet(kVowels, ch); }

char IsConsonant(char ch) { return InSet(kConsonants, ch); }

int IsMCharComma(char ch) { return IsOneOf(ch, {',', 130}); }

int IsMCharDash(char ch) { return IsOneOf(ch, {30, '-', 150, 151, 173}); }

int IsMCharApostrophe(char ch) { return IsOneOf(ch, {39, 96, 145, 146, 180}); }

int IsMCharQmark(char ch) { return IsOneOf(ch, {34, 132, 147, 148, 171, 187}); }

int IsMCharStop(char ch) { return IsOneOf(ch, {'!', '.', '?', 133}); }

}  // extern "C"
