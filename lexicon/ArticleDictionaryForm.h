// The dictionary (display) form of the article tree nodes, behind
// MergeString with kMDFindDictForm (lexicon/ArticleSyntax.h), and what the
// split and both merges know about head words. Internal to the article
// syntax.
#pragma once

#include <stdint.h>

#include "base/MCString.h"

class CDicEntry;
class CEntry;
class CMeaning;
class CSynonym;
class CSynonymGroup;
class CWordComb;

namespace article_dict_form {

MCString OfDicEntry(const CDicEntry& entry);
MCString OfEntry(const CEntry& entry);
MCString OfMeaning(const CMeaning& meaning);
MCString OfGroup(const CSynonymGroup& group);
MCString OfSynonym(const CSynonym& synonym);
MCString OfWordComb(const CWordComb& wordComb);

// The head word as it is shown: dictionaries of reversed words (types 2
// and 3) store it reversed.
MCString ShownHeadWord(const CDicEntry& entry);
bool StoresReversedWords(uint8_t type);
// The type-5 word list writes its head word alone, without "*" and text.
constexpr uint8_t kHeadWordOnlyType = 5;

}  // namespace article_dict_form
