// The dictionary form of an article (lexicon/ArticleDictionaryForm.h): a
// part-of-speech block in braces for each code, one meaning a line.
#include "lexicon/ArticleDictionaryForm.h"

#include <algorithm>
#include <cstring>

#include "base/MCString.h"
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

// "{part [grammar]}" for a code and a grammar attribute; nothing when the
// code has no part name.
void AppendPartOfSpeechBlock(std::string& out, char syn, const MCString& attr) {
  const char* part = CGramInfo::ConvSynToVelPart(syn);
  if (part == nullptr || *part == '\0') return;
  out += '{';
  out += part;
  if (!attr.IsEmpty()) {
    CGramInfo grammar;
    grammar.StrToGram(attr, syn);
    const MCString shown = grammar.DicStrToVelString(attr);
    if (!shown.IsEmpty()) {
      out += " [";
      Append(out, shown);
      out += ']';
    }
  }
  out += '}';
}

// Whether the text from `start` on ends with `tail`.
bool EndsWithFrom(const std::string& out, size_t start, const char* tail) {
  const size_t length = std::strlen(tail);
  return out.size() - start >= length && out.compare(out.size() - length, length, tail) == 0;
}

}  // namespace

void Append(std::string& out, const MCString& text) {
  out.append(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

void TrimRightFrom(std::string& out, size_t start, const char* set) {
  size_t end = out.size();
  while (end > start && std::strchr(set, out[end - 1]) != nullptr && out[end - 1] != '\0') --end;
  out.resize(end);
}

MCString ToMCString(const std::string& text) {
  return MCString(text.data(), static_cast<int>(text.size()));
}

void AppendWordComb(std::string& out, const CWordComb& wordComb) {
  if (wordComb.GetSyn() != 0 && !wordComb.GetSynonym().IsEmpty()) {
    AppendPartOfSpeechBlock(out, wordComb.GetSyn(), wordComb.GetAttr());
    out += ' ';
  }
  Append(out, wordComb.GetSynonym());
}

void AppendSynonym(std::string& out, const CSynonym& synonym) {
  for (int i = 0; i < synonym.GetSizeLabel(); ++i) {
    const char* label = synonym.GetAtLabel(i);
    if (std::strncmp(label, kHiddenLabelPrefix, std::strlen(kHiddenLabelPrefix)) == 0) continue;
    out += label;
    out += ") ";
  }
  for (int i = 0; i < synonym.GetSizeWordComb(); ++i) {
    if (i > 0) out += ' ';
    AppendWordComb(out, *synonym.GetAtWordComb(i));
  }
}

// An empty group shows nothing rather than a lone ";".
void AppendGroup(std::string& out, const CSynonymGroup& group) {
  const size_t start = out.size();
  const int count = group.GetSizeSynonym();
  for (int i = 0; i < count; ++i) {
    const size_t synonymStart = out.size();
    AppendSynonym(out, *group.GetAtSynonym(i));
    if (out.size() > synonymStart && i + 1 < count) out += "; ";
  }
  TrimRightFrom(out, start, " ");
  if (out.size() > start && out.back() != ';') out += ';';
}

void AppendMeaning(std::string& out, const CMeaning& meaning) {
  if (meaning.GetSyn() != 0) {
    out += kMeaningMark;
    AppendPartOfSpeechBlock(out, meaning.GetSyn(), meaning.GetAttr());
    out += ' ';
  }
  for (int i = 0; i < meaning.GetSizeSynonymGroup(); ++i) {
    if (i > 0) out += ' ';
    AppendGroup(out, *meaning.GetAtSynonymGroup(i));
  }
}

// The first line holds the entry's block (empty without a code), so that the
// head word always has a line of its own.
void AppendEntry(std::string& out, const CEntry& entry) {
  const size_t start = out.size();
  if (entry.GetSyn() != 0) AppendPartOfSpeechBlock(out, entry.GetSyn(), entry.GetAttr());
  out += kLineBreak;
  const int count = entry.GetSizeMeaning();
  for (int i = 0; i < count; ++i) {
    const size_t meaningStart = out.size();
    AppendMeaning(out, *entry.GetAtMeaning(i));
    if (out.size() > meaningStart && i + 1 < count) out += kLineBreak;
  }
  TrimRightFrom(out, start, kLineBreak);
  if (!entry.GetReference().IsEmpty()) {
    if (out.size() > start && !EndsWithFrom(out, start, kLineBreak)) out += kLineBreak;
    out += '\\';
    Append(out, entry.GetReference());
  }
  TrimRightFrom(out, start, " ");
}

bool StoresReversedWords(uint8_t type) { return type == 2 || type == 3; }

void AppendShownHeadWord(std::string& out, const CDicEntry& entry) {
  const size_t start = out.size();
  Append(out, entry.GetInWord());
  if (StoresReversedWords(entry.GetType())) std::reverse(out.begin() + start, out.end());
}

// The head word ends the first line. A text that is only a reference has no
// first line: the head word gets one before it rather than joining the
// reference.
void AppendDicEntry(std::string& out, const CDicEntry& entry) {
  const size_t start = out.size();
  AppendEntry(out, entry);
  std::string word;
  AppendShownHeadWord(word, entry);
  // The first line ends at the first break before any NUL a damaged text
  // may hold, as a reader of the text sees it.
  const char* found = std::strstr(out.c_str() + start, kLineBreak);
  const size_t lineBreak = found ? static_cast<size_t>(found - out.c_str()) : std::string::npos;
  if (lineBreak == start) {
    out.insert(start, word);
  } else if (lineBreak != std::string::npos) {
    out.insert(lineBreak, " " + word);
  } else if (out.size() > start && out[start] == '\\') {
    out.insert(start, word + kLineBreak);
  } else if (out.size() == start) {
    out += word;
  } else {
    out += ' ';
    out += word;
  }
}

}  // namespace article_dict_form
