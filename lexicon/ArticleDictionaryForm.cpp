// The dictionary form of an article (lexicon/ArticleDictionaryForm.h): a
// part-of-speech block in braces for each code, one meaning a line.
#include "lexicon/ArticleDictionaryForm.h"

#include "grammar/CGramInfo.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"

namespace article_dict_form {
namespace {

constexpr const char* kLineBreak = "\r\n";
// A tab and a middle dot (code page 1251) open each meaning's line.
constexpr const char* kMeaningMark = "\t\xB7";
// Labels with this prefix are for the engine, not the reader.
constexpr const char* kHiddenLabelPrefix = "g_";

// "{part [grammar]}" for a code and a grammar attribute; "" when the code
// has no part name.
MCString PartOfSpeechBlock(char syn, const MCString& attr) {
  const MCString part = CGramInfo::ConvSynToVelPart(syn);
  if (part.IsEmpty()) return MCString();
  MCString block = "{";
  block += part;
  if (!attr.IsEmpty()) {
    CGramInfo grammar;
    grammar.StrToGram(attr, syn);
    const MCString shown = grammar.DicStrToVelString(attr);
    if (!shown.IsEmpty()) {
      block += " [";
      block += shown;
      block += "]";
    }
  }
  block += "}";
  return block;
}

bool EndsWith(const MCString& text, const char* tail) {
  const MCString expected = tail;
  return text.GetLength() >= expected.GetLength() &&
         text.Right(expected.GetLength()).Compare(expected) == 0;
}

}  // namespace

MCString OfWordComb(const CWordComb& wordComb) {
  MCString text;
  if (wordComb.GetSyn() != 0 && !wordComb.GetSynonym().IsEmpty()) {
    text = PartOfSpeechBlock(wordComb.GetSyn(), wordComb.GetAttr());
    text += " ";
  }
  text += wordComb.GetSynonym();
  return text;
}

MCString OfSynonym(const CSynonym& synonym) {
  MCString text;
  for (int i = 0; i < synonym.GetSizeLabel(); ++i) {
    const MCString label = synonym.GetAtLabel(i);
    if (label.StartsWith(kHiddenLabelPrefix)) continue;
    text += label;
    text += ") ";
  }
  for (int i = 0; i < synonym.GetSizeWordComb(); ++i) {
    if (i > 0) text += " ";
    text += OfWordComb(*synonym.GetAtWordComb(i));
  }
  return text;
}

// An empty group shows nothing rather than a lone ";".
MCString OfGroup(const CSynonymGroup& group) {
  MCString text;
  const int count = group.GetSizeSynonym();
  for (int i = 0; i < count; ++i) {
    const MCString synonym = OfSynonym(*group.GetAtSynonym(i));
    text += synonym;
    if (!synonym.IsEmpty() && i + 1 < count) text += "; ";
  }
  text.TrimRight(' ');
  if (!text.IsEmpty() && !EndsWith(text, ";")) text += ";";
  return text;
}

MCString OfMeaning(const CMeaning& meaning) {
  MCString text;
  if (meaning.GetSyn() != 0) {
    text = kMeaningMark;
    text += PartOfSpeechBlock(meaning.GetSyn(), meaning.GetAttr());
    text += " ";
  }
  for (int i = 0; i < meaning.GetSizeSynonymGroup(); ++i) {
    if (i > 0) text += " ";
    text += OfGroup(*meaning.GetAtSynonymGroup(i));
  }
  return text;
}

// The first line holds the entry's block (empty without a code), so that the
// head word always has a line of its own.
MCString OfEntry(const CEntry& entry) {
  MCString text;
  if (entry.GetSyn() != 0) text = PartOfSpeechBlock(entry.GetSyn(), entry.GetAttr());
  text += kLineBreak;
  const int count = entry.GetSizeMeaning();
  for (int i = 0; i < count; ++i) {
    const MCString meaning = OfMeaning(*entry.GetAtMeaning(i));
    text += meaning;
    if (!meaning.IsEmpty() && i + 1 < count) text += kLineBreak;
  }
  text.TrimRight(kLineBreak);
  if (!entry.GetReference().IsEmpty()) {
    if (!text.IsEmpty() && !EndsWith(text, kLineBreak)) text += kLineBreak;
    text += "\\";
    text += entry.GetReference();
  }
  text.TrimRight(' ');
  return text;
}

bool StoresReversedWords(uint8_t type) { return type == 2 || type == 3; }

MCString ShownHeadWord(const CDicEntry& entry) {
  MCString word = entry.GetInWord();
  if (StoresReversedWords(entry.GetType())) word.MakeReverse();
  return word;
}

// The head word ends the first line. A text that is only a reference has no
// first line: the head word gets one before it rather than joining the
// reference.
MCString OfDicEntry(const CDicEntry& entry) {
  MCString text = OfEntry(entry);
  const MCString word = ShownHeadWord(entry);
  const int lineBreak = text.Find(kLineBreak);
  if (lineBreak == 0) {
    text.Insert(0, word);
  } else if (lineBreak > 0) {
    text.Insert(lineBreak, " " + word);
  } else if (!text.IsEmpty() && text[0] == '\\') {
    text.Insert(0, word + kLineBreak);
  } else if (text.IsEmpty()) {
    text = word;
  } else {
    text += " ";
    text += word;
  }
  return text;
}

}  // namespace article_dict_form
