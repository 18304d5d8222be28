// Delta codes: a word form stored as a short command relative to a base word.
//
// A command's first character selects its form:
//   "="   the word is the base word;
//   ">"   the word is the base word, with a mark (the flag of the decoder);
//   a code character ('0'-'9' = 0-9, 'A'-'Z' = 10-35) D1: drop D1 characters
//         from the end of the base and append the characters that follow, up
//         to an optional second code character D2; after D2, drop D2
//         characters from the front of what was built and put the rest of
//         the command in front of it ("2ние0пере" on "делать" gives
//         "переделание");
//   anything else: the command is the word itself.
//
// The decoder reads the first code character after D1 as D2, so a tail that
// holds a digit or a capital Latin letter cannot be written after D1. For
// such words the encoder chooses a form that reads back exactly: the word
// itself when its first character selects no other form, else D1, then a D2
// that drops everything kept, then the whole word.
//
// Exported for the dictionary tools; nothing else in the libraries calls them.
#pragma once

#include "base/BaseExport.h"
#include "base/MCString.h"

// The command that turns base into word. More than 35 characters to drop
// cannot be coded: that shows "Error, Invalid NUM." and gives "".
MBASE_API MCString MakeCommandFromWord(MCString base, MCString word);

// The word that command makes of base; flag becomes 1 for a ">" command and
// 0 otherwise.
MBASE_API MCString MakeWordFromCommand(MCString base, MCString command);
MBASE_API MCString MakeWordFromCommand(MCString base, MCString command, int& flag);
