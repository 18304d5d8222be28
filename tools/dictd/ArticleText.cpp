// Source articles in the plain article syntax (tools/dictd/ArticleText.h).
#include "tools/dictd/ArticleText.h"

#include <vector>

#include "base/MCArray.h"
#include "base/MCString.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/EntryRecord.h"
#include "tools/dictd/SyntaxEscaping.h"

namespace {

constexpr int kMaxGroupNumber = 99;  // the syntax writes one or two digits

struct Group {
  int number = 0;
  std::vector<std::string> synonyms;  // each "label) ... words" in the code page
};

struct Meaning {
  char code = 0;
  std::vector<Group> groups;
};

std::string SynonymText(const SourceSynonym& source, CodePage codePage, ConversionCounts* counts) {
  std::vector<std::string> labels;
  for (const std::string& label : source.labels) {
    labels.push_back(ConvertUtf8(label, codePage, counts));
  }
  const EscapedSynonym escaped = EscapeSynonym(labels, ConvertUtf8(source.words, codePage, counts));
  std::string text;
  for (const std::string& label : escaped.labels) text += label + ") ";
  text += escaped.words;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// A group without a number after the first would read back as part of the
// one before it, so it joins that one.
void AddGroup(Group&& group, Meaning* meaning) {
  if (group.number == 0 && !meaning->groups.empty()) {
    for (std::string& text : group.synonyms)
      meaning->groups.back().synonyms.push_back(std::move(text));
  } else {
    meaning->groups.push_back(std::move(group));
  }
}

// The source's meanings in the code page, without empty parts, shaped as
// the syntax can write them: a meaning without a code after the first
// would read back as part of the one before it, so it joins that one.
std::vector<Meaning> Shape(const SourceArticle& source, CodePage codePage,
                           ConversionCounts* counts) {
  std::vector<Meaning> meanings;
  for (const SourceMeaning& sourceMeaning : source.meanings) {
    Meaning meaning;
    meaning.code = sourceMeaning.partOfSpeech;
    for (const SourceGroup& sourceGroup : sourceMeaning.groups) {
      Group group;
      group.number = sourceGroup.number <= kMaxGroupNumber ? sourceGroup.number : 0;
      for (const SourceSynonym& synonym : sourceGroup.synonyms) {
        std::string text = SynonymText(synonym, codePage, counts);
        if (!text.empty()) group.synonyms.push_back(std::move(text));
      }
      if (!group.synonyms.empty()) AddGroup(std::move(group), &meaning);
    }
    if (meaning.groups.empty()) continue;
    if (meaning.code == 0 && !meanings.empty()) {
      for (Group& group : meaning.groups) AddGroup(std::move(group), &meanings.back());
    } else {
      meanings.push_back(std::move(meaning));
    }
  }
  return meanings;
}

bool BuildEntry(const std::vector<Meaning>& meanings, const std::string& reference, CEntry* entry,
                std::string* problem) {
  entry->SetSyn(meanings.empty() ? 0 : meanings.front().code);
  for (const Meaning& meaning : meanings) {
    CMeaning* node = entry->AddNewMeaning();
    if (!node) {
      *problem = "more than 255 meanings";
      return false;
    }
    node->SetSyn(meaning.code);
    for (const Group& group : meaning.groups) {
      CSynonymGroup* groupNode = node->AddNewSynonymGroup();
      if (!groupNode) {
        *problem = "more than 255 numbered senses in one meaning";
        return false;
      }
      groupNode->SetGroupNumber(static_cast<uint8_t>(group.number));
      for (const std::string& text : group.synonyms) {
        CSynonym* synonym = groupNode->AddNewSynonym();
        if (!synonym) {
          *problem = "more than 255 synonyms in one sense";
          return false;
        }
        SplitString(*synonym, MCString(text.c_str()));
        const MCString merged = MergeString(*synonym, 0);
        if (text != static_cast<const char*>(merged)) {
          *problem = "a synonym of more than 255 words or labels";
          return false;
        }
      }
    }
  }
  if (!reference.empty()) entry->SetReference(MCString(reference.c_str()));
  return true;
}

}  // namespace

bool MakeArticleText(const SourceArticle& source, CodePage codePage, ArticleText* out,
                     std::string* problem, ConversionCounts* counts) {
  const std::vector<Meaning> meanings = Shape(source, codePage, counts);
  const std::string reference = EscapeReference(ConvertUtf8(source.reference, codePage, counts));
  CEntry entry(kBuiltDictionaryType);
  if (!BuildEntry(meanings, reference, &entry, problem)) return false;
  const MCString text = MergeString(entry, 0);
  if (text.IsEmpty()) {
    *problem = "no translation";
    return false;
  }
  CEntry readBack(kBuiltDictionaryType);
  SplitString(readBack, text);
  if (MergeString(readBack, 0).Compare(text) != 0) {
    *problem = "the article syntax does not read it back as written";
    return false;
  }
  MCByteArray record;
  if (!EncodeEntryRecord(readBack, record)) {
    *problem = "a text longer than 255 bytes";
    return false;
  }
  out->text.assign(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
  out->recordSize = static_cast<unsigned>(record.GetSize());
  return true;
}
