// The dictionary (display) form of the article tree nodes, behind
// MergeString with kMDFindDictForm (lexicon/ArticleSyntax.h), and what the
// split and both merges know about head words. Internal to the article
// syntax.
//
// Each Append writes the node's text at the end of `out`, which may already
// hold the text of the nodes before it: the whole article is merged into one
// buffer.
#pragma once

#include <stdint.h>

#include "lexicon/ArticleTextBuffer.h"

class CDicEntry;
class CEntry;
class CMeaning;
class CSynonym;
class CSynonymGroup;
class CWordComb;
class MCString;
class RecordStream;

namespace article_dict_form {

void AppendDicEntry(ArticleTextBuffer& out, const CDicEntry& entry);
// The same text from an article record read in place, as the walk reads it;
// the text is the article's when the record then reads whole.
void AppendDicEntry(ArticleTextBuffer& out, RecordStream& record);
void AppendEntry(ArticleTextBuffer& out, const CEntry& entry);
void AppendMeaning(ArticleTextBuffer& out, const CMeaning& meaning);
void AppendGroup(ArticleTextBuffer& out, const CSynonymGroup& group);
void AppendSynonym(ArticleTextBuffer& out, const CSynonym& synonym);
void AppendWordComb(ArticleTextBuffer& out, const CWordComb& wordComb);

// The head word as it is shown: dictionaries of reversed words (types 2
// and 3) store it reversed.
void AppendShownHeadWord(ArticleTextBuffer& out, const CDicEntry& entry);
bool StoresReversedWords(uint8_t type);
// The type-5 word list writes its head word alone, without "*" and text.
constexpr uint8_t kHeadWordOnlyType = 5;

// --- Shared by both forms.
void Append(ArticleTextBuffer& out, const MCString& text);
// Cuts the characters of `set` off the end of out, but not before `start`
// (where the node's own text begins).
void TrimRightFrom(ArticleTextBuffer& out, size_t start, const char* set);
// The text merged into a string of the library's own.
MCString ToMCString(const ArticleTextBuffer& text);

}  // namespace article_dict_form
