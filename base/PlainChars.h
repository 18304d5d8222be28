// Character rules that need no alphabet: the 7-bit family (_isupper ...
// __strnicmp), the 7-bit vowel and consonant sets, and the punctuation of the
// ANSI code pages 1251 and 1252. The language-keyed services
// (base/CharServices.h) fall back to them for a language that is not loaded;
// the libraries built on MorvexBase call them directly.
//
// They are exported under these names and never depend on the C locale.
// Characters are compared as unsigned bytes; the tests return 0 or non-zero.
#pragma once

#include "base/BaseExport.h"

extern "C" {

// --- The 7-bit rules.
MBASE_API int _isupper(char ch);  // 'A'-'Z'
MBASE_API int _islower(char ch);  // 'a'-'z'
MBASE_API int _iscntrl(char ch);  // below 32, or 127
MBASE_API int _isalpha(char ch);
MBASE_API int _isalnum(char ch);
MBASE_API int _isdigit(char ch);
MBASE_API int _isxdigit(char ch);
MBASE_API int _isspace(char ch);    // 9 to 13 and the space
MBASE_API char __toupper(char ch);  // changes only 'a'-'z'
MBASE_API char __tolower(char ch);  // changes only 'A'-'Z'
// In place; null-safe; return s.
MBASE_API char* __strupr(char* s);
MBASE_API char* __strlwr(char* s);
MBASE_API char* __strrev(char* s);
// The first (last) occurrence of ch, or null; asked for 0 they give the
// terminator. A null s gives null.
MBASE_API char* _strchr(const char* s, char ch);
MBASE_API char* _strrchr(const char* s, char ch);
// Case-insensitive over the 7-bit letters. __stricmp folds case only where
// both differing characters are letters; __strnicmp folds every character of
// the first n. A null string counts as "".
MBASE_API int __stricmp(const char* a, const char* b);
MBASE_API int __strnicmp(const char* a, const char* b, unsigned n);

// --- The 7-bit vowels "aeiouyAEIOUY" and consonants (the other letters).
MBASE_API const char* GetVowels();
MBASE_API const char* GetConsonants();
// ch when it is in the set, else 0.
MBASE_API char IsVowel(char ch);
MBASE_API char IsConsonant(char ch);

// --- Punctuation of the code pages 1251 and 1252.
MBASE_API int IsMCharComma(char ch);       // ',' and the low comma quote
MBASE_API int IsMCharDash(char ch);        // '-', 30, the en and em dash, the soft hyphen
MBASE_API int IsMCharApostrophe(char ch);  // ', `, the single quotes, the acute accent
MBASE_API int IsMCharQmark(char ch);       // the double quotation marks and guillemets
MBASE_API int IsMCharStop(char ch);        // '!', '.', '?' and the ellipsis

}  // extern "C"
