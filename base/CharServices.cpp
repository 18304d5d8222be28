#include "base/CharServices.h"

#include <cstring>

// No alphabet is loaded yet, so every language id is served by the 7-bit
// rules. When the language tables arrive, each service keyed by `lang` first
// looks up the alphabet of that id and applies it, falling back to the rule
// below only when the lookup finds none; the signatures stay as they are.

namespace {

unsigned char Byte(char ch) { return static_cast<unsigned char>(ch); }

bool InRange(char ch, unsigned char low, unsigned char high) {
  return Byte(ch) >= low && Byte(ch) <= high;
}

const char* OrEmpty(const char* s) { return s ? s : ""; }

char* CopyUnchanged(const char* src, char* dst) {
  if (!dst) return nullptr;
  src = OrEmpty(src);
  std::size_t length = std::strlen(src);
  std::memmove(dst, src, length + 1);
  return dst + length;
}

}  // namespace

extern "C" {

int IsMCharAlpha(char ch, unsigned short /*lang*/) { return _isalpha(ch); }

int IsMCharAlphaNum(char ch, unsigned short /*lang*/) { return _isalnum(ch); }

int IsMCharUpper(char ch, unsigned short /*lang*/) { return _isupper(ch); }

int IsMCharLower(char ch, unsigned short /*lang*/) { return _islower(ch); }

char MCharToUpper(char ch, unsigned short /*lang*/) { return __toupper(ch); }

char MCharToLower(char ch, unsigned short /*lang*/) { return __tolower(ch); }

char* MStrUpr(char* s, unsigned short /*lang*/) { return __strupr(s); }

char* MStrLwr(char* s, unsigned short /*lang*/) { return __strlwr(s); }

int MStrCompareNoCase(const char* a, const char* b, unsigned short /*lang*/) {
  return __stricmp(a, b);
}

int MStrCompareNNoCase(const char* a, const char* b, unsigned n, unsigned short /*lang*/) {
  return __strnicmp(a, b, n);
}

char* MStrAnsiToOem(const char* src, char* dst, unsigned short /*lang*/) {
  return CopyUnchanged(src, dst);
}

char* MStrOemToAnsi(const char* src, char* dst, unsigned short /*lang*/) {
  return CopyUnchanged(src, dst);
}

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

}  // extern "C"
