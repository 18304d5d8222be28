// The case bits of the grammar record (grammar/CGramInfo.h: 1 nominative,
// 2 genitive, 4 dative, 8 accusative, 16 instrumental, 32 prepositional) as
// the dictionary engine shows them, exported as plain C functions.
#pragma once

#include "grammar/GrammarExport.h"

extern "C" {

// Writes the code page 1251 letters of the case bits, in the order of the
// bits, at out and returns the position after them; no NUL is written (at
// most six characters).
MMORPH_API char* c_case(int bits, char* out);
// The case number (1 genitive ... 5 prepositional) of the lowest of the bits
// 2, 4, 8, 16 and 32; 0 when none of them is set (nominative alone too).
MMORPH_API int x_case(int bits);

}  // extern "C"
