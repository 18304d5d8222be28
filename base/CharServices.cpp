#include "base/CharServices.h"

#include <cstring>

#include "base/CLangData.h"

namespace {

const char* OrEmpty(const char* s) { return s ? s : ""; }

char* CopyUnchanged(const char* src, char* dst) {
  if (!dst) return nullptr;
  src = OrEmpty(src);
  const std::size_t length = std::strlen(src);
  std::memmove(dst, src, length + 1);
  return dst + length;
}

int ByteOrder(const char* a, const char* b) {
  const int order = std::strcmp(OrEmpty(a), OrEmpty(b));
  return (order > 0) - (order < 0);
}

// 1 when s is not empty and every character passes the test.
int AllPass(const char* s, unsigned short lang, int (*test)(char, unsigned short)) {
  if (!s || !*s) return 0;
  for (; *s; ++s) {
    if (!test(*s, lang)) return 0;
  }
  return 1;
}

}  // namespace

extern "C" {

int IsMCharAlpha(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->IsAlpha(ch) : _isalpha(ch);
}

int IsMCharAlphaNum(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->IsAlphaNum(ch) : _isalnum(ch);
}

int IsMCharUpper(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->IsUpper(ch) : _isupper(ch);
}

int IsMCharLower(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->IsLower(ch) : _islower(ch);
}

char IsMCharVowel(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->IsVowel(ch) : IsVowel(ch);
}

char IsMCharConsonant(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->IsConsonant(ch) : IsConsonant(ch);
}

int IsMCharPunct(char ch, unsigned short lang) { return !_isalnum(ch) && !IsMCharAlpha(ch, lang); }

int IsMStrUpper(const char* s, unsigned short lang) { return AllPass(s, lang, IsMCharUpper); }

int IsMStrLower(const char* s, unsigned short lang) { return AllPass(s, lang, IsMCharLower); }

char MCharToUpper(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->ToUpper(ch) : __toupper(ch);
}

char MCharToLower(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->ToLower(ch) : __tolower(ch);
}

char* MStrUpr(char* s, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->StrUpr(s) : __strupr(s);
}

char* MStrLwr(char* s, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->StrLwr(s) : __strlwr(s);
}

int MCharToIndex(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CharToIndex(ch) : -1;
}

char IndexToMChar(int index, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->IndexToChar(index) : '\0';
}

int MStrCompareSort(const char* a, const char* b, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CompareSort(a, b) : ByteOrder(a, b);
}

int MStrCompareSortUpDown(const char* a, const char* b, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CompareSortUpDown(a, b) : 0;
}

int MStrCompareNSort(const char* a, const char* b, unsigned n, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CompareNSort(a, b, n) : std::strncmp(OrEmpty(a), OrEmpty(b), n);
}

int MStrCompareNoCase(const char* a, const char* b, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CompareNoCase(a, b) : __stricmp(a, b);
}

int MStrCompareBaseNoCase(const char* a, const char* b, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CompareBaseNoCase(a, b) : __stricmp(a, b);
}

int MStrCompareNNoCase(const char* a, const char* b, unsigned n, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CompareNNoCase(a, b, n) : __strnicmp(a, b, n);
}

int MStrCompareBaseNNoCase(const char* a, const char* b, unsigned n, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CompareBaseNNoCase(a, b, n) : __strnicmp(a, b, n);
}

char MCharAnsiToOem(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CharAnsiToOem(ch) : ch;
}

char MCharOemToAnsi(char ch, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->CharOemToAnsi(ch) : ch;
}

char* MStrAnsiToOem(const char* src, char* dst, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->StrAnsiToOem(src, dst) : CopyUnchanged(src, dst);
}

char* MStrOemToAnsi(const char* src, char* dst, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->StrOemToAnsi(src, dst) : CopyUnchanged(src, dst);
}

char* MStrTransliterate(const char* src, char* dst, unsigned short lang) {
  const CLang* alphabet = GetLang(lang);
  return alphabet ? alphabet->StrTransliterate(src, dst) : CopyUnchanged(src, dst);
}

}  // extern "C"
