// Character services keyed by a language id (a Windows LANGID): case
// conversion, letter classification, word comparison, alphabet indexes, the
// ANSI/OEM code-page conversion and Latin transliteration of 8-bit text.
// MCString reaches them through its language id; the dictionary engine sorts
// its words with MStrCompareSortUpDown and the grammar library calls them
// directly.
//
// Each service applies the alphabet (base/CLang.h) of the language when the
// language data holds it (GetLang(lang), base/CLangData.h), and otherwise
// fixed 7-bit ASCII rules (base/PlainChars.h): only 'A'-'Z' and 'a'-'z' are
// letters and the code-page conversions copy the text unchanged. Characters
// are compared as unsigned bytes; a null string counts as "".
#pragma once

#include "base/BaseExport.h"
#include "base/PlainChars.h"

extern "C" {

// --- Letter tests: 0 or non-zero. Fallback: the 7-bit tests.
MBASE_API int IsMCharAlpha(char ch, unsigned short lang);
MBASE_API int IsMCharAlphaNum(char ch, unsigned short lang);
MBASE_API int IsMCharUpper(char ch, unsigned short lang);
MBASE_API int IsMCharLower(char ch, unsigned short lang);
// ch when it is a vowel (a consonant) of the language, else 0. Fallback: the
// 7-bit sets.
MBASE_API char IsMCharVowel(char ch, unsigned short lang);
MBASE_API char IsMCharConsonant(char ch, unsigned short lang);
// Neither a 7-bit letter or digit nor a letter of the language.
MBASE_API int IsMCharPunct(char ch, unsigned short lang);
// 1 when the string is not empty and every character passes IsMCharUpper
// (IsMCharLower), else 0.
MBASE_API int IsMStrUpper(const char* s, unsigned short lang);
MBASE_API int IsMStrLower(const char* s, unsigned short lang);

// --- Case. A loaded alphabet changes only its own letters.
MBASE_API char MCharToUpper(char ch, unsigned short lang);
MBASE_API char MCharToLower(char ch, unsigned short lang);
// In place; null-safe; return s.
MBASE_API char* MStrUpr(char* s, unsigned short lang);
MBASE_API char* MStrLwr(char* s, unsigned short lang);

// --- Alphabet indexes: -1 (0) outside the alphabet, and always without one.
MBASE_API int MCharToIndex(char ch, unsigned short lang);
MBASE_API char IndexToMChar(int index, unsigned short lang);

// --- Comparisons: negative, zero or positive.
// Case first, then the alphabet. Fallback: the bytes, giving -1, 0 or 1.
MBASE_API int MStrCompareSort(const char* a, const char* b, unsigned short lang);
// The dictionary order: the alphabet, then capitals before small letters.
// Fallback: 0, every pair compares equal (no order without an alphabet).
MBASE_API int MStrCompareSortUpDown(const char* a, const char* b, unsigned short lang);
// Case-insensitive over the first n characters. Fallback: case-sensitive.
MBASE_API int MStrCompareNSort(const char* a, const char* b, unsigned n, unsigned short lang);
// Case-insensitive; the Base forms also ignore diacritics. Fallback:
// __stricmp and __strnicmp.
MBASE_API int MStrCompareNoCase(const char* a, const char* b, unsigned short lang);
MBASE_API int MStrCompareBaseNoCase(const char* a, const char* b, unsigned short lang);
MBASE_API int MStrCompareNNoCase(const char* a, const char* b, unsigned n, unsigned short lang);
MBASE_API int MStrCompareBaseNNoCase(const char* a, const char* b, unsigned n, unsigned short lang);

// --- Code pages and transliteration. Fallback: unchanged. The string forms
// write the NUL-terminated result to dst and return the position of its NUL
// (null for a null dst). dst may equal src for the code pages; a
// transliteration needs 3 characters per letter and the NUL, apart from src.
MBASE_API char MCharAnsiToOem(char ch, unsigned short lang);
MBASE_API char MCharOemToAnsi(char ch, unsigned short lang);
MBASE_API char* MStrAnsiToOem(const char* src, char* dst, unsigned short lang);
MBASE_API char* MStrOemToAnsi(const char* src, char* dst, unsigned short lang);
MBASE_API char* MStrTransliterate(const char* src, char* dst, unsigned short lang);

}  // extern "C"
