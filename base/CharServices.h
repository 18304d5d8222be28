// Character services keyed by a language id (a Windows LANGID): case
// conversion, letter classification, case-insensitive comparison and the
// ANSI/OEM code-page conversion of 8-bit text. MCString reaches them through
// its language id; the dictionary engine and the grammar library call them
// directly.
//
// A language whose alphabet is not loaded is served by fixed 7-bit ASCII
// rules: only 'A'-'Z' and 'a'-'z' are letters, and the code-page conversions
// copy the text unchanged. Characters are compared as unsigned bytes.
//
// The 7-bit family (_isupper ... __strnicmp) is exported under these names
// for the libraries built on MorvexBase; it never depends on the C locale.
#pragma once

#include "base/BaseExport.h"

extern "C" {

// --- Services keyed by a language id (the id is passed last).
MBASE_API int IsMCharAlpha(char ch, unsigned short lang);
MBASE_API int IsMCharAlphaNum(char ch, unsigned short lang);
MBASE_API int IsMCharUpper(char ch, unsigned short lang);
MBASE_API int IsMCharLower(char ch, unsigned short lang);
MBASE_API char MCharToUpper(char ch, unsigned short lang);
MBASE_API char MCharToLower(char ch, unsigned short lang);
// In place; null-safe; return s.
MBASE_API char* MStrUpr(char* s, unsigned short lang);
MBASE_API char* MStrLwr(char* s, unsigned short lang);
// Negative, zero or positive; a null string counts as "".
MBASE_API int MStrCompareNoCase(const char* a, const char* b, unsigned short lang);
MBASE_API int MStrCompareNNoCase(const char* a, const char* b, unsigned n, unsigned short lang);
// Write the NUL-terminated result to dst (which may equal src) and return the
// position of its terminating NUL.
MBASE_API char* MStrAnsiToOem(const char* src, char* dst, unsigned short lang);
MBASE_API char* MStrOemToAnsi(const char* src, char* dst, unsigned short lang);

// --- The 7-bit rules. The tests return 0 or non-zero.
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
// the first n.
MBASE_API int __stricmp(const char* a, const char* b);
MBASE_API int __strnicmp(const char* a, const char* b, unsigned n);

}  // extern "C"
