// The article tree as text (lexicon/ArticleSyntax.h): the plain form here,
// the dictionary form in lexicon/ArticleDictionaryForm.cpp. Both write a
// whole article into one growing buffer, node after node.
#include <cstdio>

#include "lexicon/ArticleDictionaryForm.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "lexicon/DicSearchFlags.h"

using article_dict_form::Append;
using article_dict_form::ToMCString;
using article_dict_form::TrimRightFrom;

namespace {

// Room for most articles at once; longer ones grow the buffer.
constexpr size_t kTypicalArticleLength = 512;

bool WantsDictForm(int32_t flags) { return (flags & kMDFindDictForm) != 0; }

void AppendBracketed(ArticleTextBuffer& out, char opener, const MCString& inside, char closer) {
  out += opener;
  Append(out, inside);
  out += closer;
}

void AppendPlainWordComb(ArticleTextBuffer& out, const CWordComb& wordComb) {
  const size_t start = out.size();
  const uint8_t attrType = wordComb.GetAttrType();
  if (wordComb.GetSyn() != 0) out += wordComb.GetSyn();
  if (attrType == CWordComb::kAttrBefore || attrType == CWordComb::kAttrBoth) {
    AppendBracketed(out, '[', wordComb.GetAttr(), ']');
  }
  if (out.size() > start) out += ' ';
  Append(out, wordComb.GetSynonym());
  if (attrType == CWordComb::kAttrAfter) AppendBracketed(out, '[', wordComb.GetAttr(), ']');
}

void AppendPlainSynonym(ArticleTextBuffer& out, const CSynonym& synonym) {
  const size_t start = out.size();
  const uint8_t contextType = synonym.GetContextType();
  if (!synonym.GetContext().IsEmpty()) {
    out += '(';
    if (contextType == CSynonym::kContextLeft || contextType == CSynonym::kContextBoth) out += '~';
    Append(out, synonym.GetContext());
    if (contextType == CSynonym::kContextRight || contextType == CSynonym::kContextBoth) {
      out += '~';
    }
    out += ") ";
  }
  for (int i = 0; i < synonym.GetSizeLabel(); ++i) {
    out += synonym.GetAtLabel(i);
    out += ") ";
  }
  for (int i = 0; i < synonym.GetSizeWordComb(); ++i) {
    if (i > 0) out += ' ';
    AppendPlainWordComb(out, *synonym.GetAtWordComb(i));
  }
  if (!synonym.GetDefinition().IsEmpty()) {
    out += ' ';
    AppendBracketed(out, '{', synonym.GetDefinition(), '}');
  }
  if (!synonym.GetReference().IsEmpty()) {
    out += ' ';
    AppendBracketed(out, '<', synonym.GetReference(), '>');
  }
  TrimRightFrom(out, start, " ");
}

void AppendPlainGroup(ArticleTextBuffer& out, const CSynonymGroup& group) {
  const size_t start = out.size();
  if (group.GetGroupNumber() != 0) {
    char number[8];
    std::snprintf(number, sizeof number, "%u.", static_cast<unsigned>(group.GetGroupNumber()));
    out += number;
  }
  if (!group.GetDefinition().IsEmpty()) AppendBracketed(out, '{', group.GetDefinition(), '}');
  if (out.size() > start) out += ' ';
  for (int i = 0; i < group.GetSizeSynonym(); ++i) {
    if (i > 0) out += "; ";
    AppendPlainSynonym(out, *group.GetAtSynonym(i));
  }
}

// A code of 0 is never written: it would put a NUL into the text.
void AppendPlainMeaning(ArticleTextBuffer& out, const CMeaning& meaning, char entrySyn) {
  const char syn = meaning.GetSyn();
  const bool hasAttr = !meaning.GetAttr().IsEmpty();
  const bool showsCode = syn != 0 && (syn != entrySyn || hasAttr);
  if (showsCode) {
    out += syn;
    out += '.';
  }
  if (hasAttr) AppendBracketed(out, '[', meaning.GetAttr(), ']');
  if (showsCode && meaning.GetType() != 2) out += ' ';
  for (int i = 0; i < meaning.GetSizeSynonymGroup(); ++i) {
    if (i > 0) out += ' ';
    AppendPlainGroup(out, *meaning.GetAtSynonymGroup(i));
  }
}

void AppendPlainEntry(ArticleTextBuffer& out, const CEntry& entry) {
  const size_t start = out.size();
  const uint8_t type = entry.GetType();
  if (type == 1 || type == 4) {
    if (entry.GetSyn() != 0) out += entry.GetSyn();
    if (!entry.GetAttr().IsEmpty()) AppendBracketed(out, '[', entry.GetAttr(), ']');
    if (out.size() > start) out += ' ';
  }
  for (int i = 0; i < entry.GetSizeMeaning(); ++i) {
    if (i > 0) out += ' ';
    AppendPlainMeaning(out, *entry.GetAtMeaning(i), i == 0 ? entry.GetSyn() : 0);
  }
  if (!entry.GetReference().IsEmpty()) {
    if (out.size() > start && out.back() != ' ') out += ' ';
    out += '\\';
    Append(out, entry.GetReference());
  }
  TrimRightFrom(out, start, " ");
}

// The text of one node, merged by `append` into a fresh buffer.
template <class Node, class AppendNode>
MCString Merged(const Node& node, AppendNode append) {
  ArticleTextBuffer out;
  out.reserve(kTypicalArticleLength);
  append(out, node);
  return ToMCString(out);
}

}  // namespace

MCString MergeString(const CWordComb& wordComb, int32_t flags) {
  return Merged(wordComb,
                WantsDictForm(flags) ? article_dict_form::AppendWordComb : AppendPlainWordComb);
}

MCString MergeString(const CSynonym& synonym, int32_t flags) {
  return Merged(synonym,
                WantsDictForm(flags) ? article_dict_form::AppendSynonym : AppendPlainSynonym);
}

MCString MergeString(const CSynonymGroup& group, int32_t flags) {
  return Merged(group, WantsDictForm(flags) ? article_dict_form::AppendGroup : AppendPlainGroup);
}

MCString MergeString(const CMeaning& meaning, int32_t flags, char entrySyn) {
  return Merged(meaning, [flags, entrySyn](ArticleTextBuffer& out, const CMeaning& node) {
    if (WantsDictForm(flags)) {
      article_dict_form::AppendMeaning(out, node);
    } else {
      AppendPlainMeaning(out, node, entrySyn);
    }
  });
}

MCString MergeString(const CEntry& entry, int32_t flags) {
  return Merged(entry, WantsDictForm(flags) ? article_dict_form::AppendEntry : AppendPlainEntry);
}

MCString MergeString(const CDicEntry& entry, int32_t flags) {
  return Merged(entry, [flags](ArticleTextBuffer& out, const CDicEntry& node) {
    if (WantsDictForm(flags)) {
      article_dict_form::AppendDicEntry(out, node);
      return;
    }
    article_dict_form::AppendShownHeadWord(out, node);
    if (node.GetType() != article_dict_form::kHeadWordOnlyType) {
      out += '*';
      AppendPlainEntry(out, node);
    }
  });
}
