// The two text forms of an article tree (CEntry and its children).
// The plain form is the editing syntax: the editor splits it into a tree
// before storing, and every search merges the stored tree back. Split and
// merge are inverse up to blanks. The dictionary form (flag kMDFindDictForm)
// is for display only: part-of-speech blocks in braces and one meaning per
// line; the tip, the viewer and the popup render it.
//
// Splitting never rejects a text: what does not follow the syntax is cut as
// the rules cut it, and an opening bracket without its closer is an ordinary
// character. An entry without a code round-trips unless its text starts with
// a lone character followed by a blank or "[" (that character reads back as
// the code).
#pragma once

#include <stdint.h>

#include "base/MCString.h"
#include "lexicon/LexiconExport.h"

class CDicEntry;
class CEntry;
class CMeaning;
class CSynonym;
class CSynonymGroup;
class CWordComb;

// --- Plain form into the tree. Each replaces the node's fields and children;
// the children get the node's dictionary type.
MLEX_API void SplitString(CEntry& entry, const MCString& text);
// `defaultSyn` is the code a meaning keeps when its text names none.
MLEX_API void SplitString(CMeaning& meaning, const MCString& text, char defaultSyn);
MLEX_API void SplitString(CSynonymGroup& group, const MCString& text);
MLEX_API void SplitString(CSynonym& synonym, const MCString& text);
MLEX_API void SplitString(CWordComb& wordComb, const MCString& text);
// A whole article, the head word, "*" and the entry's text: the inverse of
// MergeString(const CDicEntry&, 0). The head word runs to the first "*" (in
// type 5 it is the whole text; a text without "*" is a head word with an
// empty entry) and is stored reversed in types 2 and 3.
MLEX_API void SplitArticle(CDicEntry& entry, const MCString& text);

// --- The tree as text: the dictionary form when `flags` holds
// kMDFindDictForm, else the plain form.
// The head word, "*" (not in word lists, type 5) and the entry's text; in
// the dictionary form the head word stands on the first line.
MLEX_API MCString MergeString(const CDicEntry& entry, int32_t flags);
MLEX_API MCString MergeString(const CEntry& entry, int32_t flags);
// `entrySyn` is the entry's code for its first meaning, 0 for the others: a
// meaning writes its code only where it differs.
MLEX_API MCString MergeString(const CMeaning& meaning, int32_t flags, char entrySyn);
MLEX_API MCString MergeString(const CSynonymGroup& group, int32_t flags);
MLEX_API MCString MergeString(const CSynonym& synonym, int32_t flags);
MLEX_API MCString MergeString(const CWordComb& wordComb, int32_t flags);
