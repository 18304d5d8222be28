// The article tree as text (lexicon/ArticleSyntax.h): the plain form here,
// the dictionary form in lexicon/ArticleDictionaryForm.cpp.
#include "lexicon/ArticleDictionaryForm.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "lexicon/DicSearchFlags.h"

namespace {

bool WantsDictForm(int32_t flags) { return (flags & kMDFindDictForm) != 0; }

MCString Bracketed(char opener, const MCString& inside, char closer) {
  MCString text;
  text += opener;
  text += inside;
  text += closer;
  return text;
}

MCString PlainWordComb(const CWordComb& wordComb) {
  MCString text;
  const uint8_t attrType = wordComb.GetAttrType();
  if (wordComb.GetSyn() != 0) text += wordComb.GetSyn();
  if (attrType == CWordComb::kAttrBefore || attrType == CWordComb::kAttrBoth) {
    text += Bracketed('[', wordComb.GetAttr(), ']');
  }
  if (!text.IsEmpty()) text += " ";
  text += wordComb.GetSynonym();
  if (attrType == CWordComb::kAttrAfter) text += Bracketed('[', wordComb.GetAttr(), ']');
  return text;
}

MCString PlainSynonym(const CSynonym& synonym) {
  MCString text;
  const uint8_t contextType = synonym.GetContextType();
  if (!synonym.GetContext().IsEmpty()) {
    text += "(";
    if (contextType == CSynonym::kContextLeft || contextType == CSynonym::kContextBoth) {
      text += "~";
    }
    text += synonym.GetContext();
    if (contextType == CSynonym::kContextRight || contextType == CSynonym::kContextBoth) {
      text += "~";
    }
    text += ") ";
  }
  for (int i = 0; i < synonym.GetSizeLabel(); ++i) {
    text += synonym.GetAtLabel(i);
    text += ") ";
  }
  for (int i = 0; i < synonym.GetSizeWordComb(); ++i) {
    if (i > 0) text += " ";
    text += PlainWordComb(*synonym.GetAtWordComb(i));
  }
  if (!synonym.GetDefinition().IsEmpty()) {
    text += " " + Bracketed('{', synonym.GetDefinition(), '}');
  }
  if (!synonym.GetReference().IsEmpty()) {
    text += " " + Bracketed('<', synonym.GetReference(), '>');
  }
  text.TrimRight(' ');
  return text;
}

MCString PlainGroup(const CSynonymGroup& group) {
  MCString text;
  if (group.GetGroupNumber() != 0) {
    MCString number;
    number.Format("%u.", static_cast<unsigned>(group.GetGroupNumber()));
    text += number;
  }
  if (!group.GetDefinition().IsEmpty()) text += Bracketed('{', group.GetDefinition(), '}');
  if (!text.IsEmpty()) text += " ";
  for (int i = 0; i < group.GetSizeSynonym(); ++i) {
    if (i > 0) text += "; ";
    text += PlainSynonym(*group.GetAtSynonym(i));
  }
  return text;
}

// A code of 0 is never written: it would put a NUL into the text.
MCString PlainMeaning(const CMeaning& meaning, char entrySyn) {
  MCString text;
  const char syn = meaning.GetSyn();
  const bool hasAttr = !meaning.GetAttr().IsEmpty();
  const bool showsCode = syn != 0 && (syn != entrySyn || hasAttr);
  if (showsCode) {
    text += syn;
    text += ".";
  }
  if (hasAttr) text += Bracketed('[', meaning.GetAttr(), ']');
  if (showsCode && meaning.GetType() != 2) text += " ";
  for (int i = 0; i < meaning.GetSizeSynonymGroup(); ++i) {
    if (i > 0) text += " ";
    text += PlainGroup(*meaning.GetAtSynonymGroup(i));
  }
  return text;
}

MCString PlainEntry(const CEntry& entry) {
  MCString text;
  const uint8_t type = entry.GetType();
  if (type == 1 || type == 4) {
    if (entry.GetSyn() != 0) text += entry.GetSyn();
    if (!entry.GetAttr().IsEmpty()) text += Bracketed('[', entry.GetAttr(), ']');
    if (!text.IsEmpty()) text += " ";
  }
  for (int i = 0; i < entry.GetSizeMeaning(); ++i) {
    if (i > 0) text += " ";
    text += PlainMeaning(*entry.GetAtMeaning(i), i == 0 ? entry.GetSyn() : 0);
  }
  if (!entry.GetReference().IsEmpty()) {
    if (!text.IsEmpty() && text[text.GetLength() - 1] != ' ') text += " ";
    text += "\\";
    text += entry.GetReference();
  }
  text.TrimRight(' ');
  return text;
}

}  // namespace

MCString MergeString(const CWordComb& wordComb, int32_t flags) {
  return WantsDictForm(flags) ? article_dict_form::OfWordComb(wordComb) : PlainWordComb(wordComb);
}

MCString MergeString(const CSynonym& synonym, int32_t flags) {
  return WantsDictForm(flags) ? article_dict_form::OfSynonym(synonym) : PlainSynonym(synonym);
}

MCString MergeString(const CSynonymGroup& group, int32_t flags) {
  return WantsDictForm(flags) ? article_dict_form::OfGroup(group) : PlainGroup(group);
}

MCString MergeString(const CMeaning& meaning, int32_t flags, char entrySyn) {
  return WantsDictForm(flags) ? article_dict_form::OfMeaning(meaning)
                              : PlainMeaning(meaning, entrySyn);
}

MCString MergeString(const CEntry& entry, int32_t flags) {
  return WantsDictForm(flags) ? article_dict_form::OfEntry(entry) : PlainEntry(entry);
}

MCString MergeString(const CDicEntry& entry, int32_t flags) {
  if (WantsDictForm(flags)) return article_dict_form::OfDicEntry(entry);
  MCString text = article_dict_form::ShownHeadWord(entry);
  if (entry.GetType() != article_dict_form::kHeadWordOnlyType) {
    text += "*";
    text += PlainEntry(entry);
  }
  return text;
}
