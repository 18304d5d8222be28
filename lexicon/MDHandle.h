// What a dictionary handle of the entry points (lexicon/MorvexLexicon.h) is:
// the address of a CDic. The entry-point files turn handles into CDic
// objects and CDic results (1 or 0) into status codes with these helpers.
#pragma once

#include "lexicon/CDic.h"
#include "lexicon/MorvexLexicon.h"

inline CDic* DicOf(MD_HANDLE handle) { return reinterpret_cast<CDic*>(handle); }
inline MD_HANDLE HandleOf(CDic* dic) { return reinterpret_cast<MD_HANDLE>(dic); }
// A member's result: 1 is MD_OK, 0 MD_FAILED.
inline int StatusOf(int result) { return result ? MD_OK : MD_FAILED; }
