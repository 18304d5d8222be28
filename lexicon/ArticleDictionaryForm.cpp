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
#include "lexicon/RecordStream.h"

namespace article_dict_form {
namespace {

constexpr const char* kLineBreak = "\r\n";
// A tab and a middle dot (code page 1251) open each meaning's line.
constexpr const char* kMeaningMark = "\t\xB7";
// Labels with this prefix are for the engine, not the reader.
constexpr const char* kHiddenLabelPrefix = "g_";

// "{part [grammar]}" for a code and a grammar attribute; nothing when the
// code has no part name.
void AppendPartOfSpeechBlock(ArticleTextBuffer& out, char syn, const MCString& attr) {
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
bool EndsWithFrom(const ArticleTextBuffer& out, size_t start, const char* tail) {
  return out.size() - start >= std::strlen(tail) && out.EndsWith(tail);
}

// Whether `ch` is a character of `set` (never the terminator).
bool IsOneOf(char ch, const char* set) {
  for (; *set != '\0'; ++set) {
    if (*set == ch) return true;
  }
  return false;
}

constexpr size_t kNoLineBreak = static_cast<size_t>(-1);

// Where the first line break from `start` on stands, before any NUL a
// damaged text may hold (a reader of the text sees no further).
size_t FirstLineBreak(const ArticleTextBuffer& out, size_t start) {
  for (size_t i = start; i + 1 < out.size() && out[i] != '\0'; ++i) {
    if (out[i] == kLineBreak[0] && out[i + 1] == kLineBreak[1]) return i;
  }
  return kNoLineBreak;
}

// --- The nodes' texts, alike for the tree and the stream.
RecordText TextOf(const MCString& text) { return {text, text.GetLength()}; }
RecordText TextOf(RecordText text) { return text; }

void AppendText(ArticleTextBuffer& out, RecordText text) {
  out.append(text.chars, static_cast<size_t>(text.length), static_cast<size_t>(text.after));
}

void AppendPartOfSpeechBlock(ArticleTextBuffer& out, char syn, RecordText attr) {
  AppendPartOfSpeechBlock(out, syn,
                          attr.IsEmpty() ? MCString() : MCString(attr.chars, attr.length));
}

// A label reads as C text: it ends at its first NUL.
RecordText LabelOf(const CSynonym& synonym, int index) {
  const char* label = synonym.GetAtLabel(index);
  return {label, static_cast<int>(std::strlen(label))};
}

RecordText LabelOf(RecordStream::Synonym& synonym, int index) {
  const RecordText label = synonym.GetLabel(index);
  const void* nul = std::memchr(label.chars, '\0', static_cast<size_t>(label.length));
  if (nul == nullptr) return label;
  const int length = static_cast<int>(static_cast<const char*>(nul) - label.chars);
  return {label.chars, length, label.after + label.length - length};
}

bool IsHiddenLabel(RecordText label) {
  const size_t length = std::strlen(kHiddenLabelPrefix);
  return static_cast<size_t>(label.length) >= length &&
         std::memcmp(label.chars, kHiddenLabelPrefix, length) == 0;
}

// --- The form, written once for both kinds of nodes: the tree's, const, and
// the stream's, which read as they are walked.
template <class WordComb>
void WriteWordComb(ArticleTextBuffer& out, WordComb& wordComb) {
  if (wordComb.GetSyn() != 0 && !wordComb.GetSynonym().IsEmpty()) {
    AppendPartOfSpeechBlock(out, wordComb.GetSyn(), wordComb.GetAttr());
    out += ' ';
  }
  AppendText(out, TextOf(wordComb.GetSynonym()));
}

template <class Synonym>
void WriteSynonym(ArticleTextBuffer& out, Synonym& synonym) {
  for (int i = 0; i < synonym.GetSizeLabel(); ++i) {
    const RecordText label = LabelOf(synonym, i);
    if (IsHiddenLabel(label)) continue;
    AppendText(out, label);
    out += ") ";
  }
  for (int i = 0; i < synonym.GetSizeWordComb(); ++i) {
    if (i > 0) out += ' ';
    WriteWordComb(out, *synonym.GetAtWordComb(i));
  }
}

// An empty group shows nothing rather than a lone ";".
template <class SynonymGroup>
void WriteGroup(ArticleTextBuffer& out, SynonymGroup& group) {
  const size_t start = out.size();
  const int count = group.GetSizeSynonym();
  for (int i = 0; i < count; ++i) {
    const size_t synonymStart = out.size();
    WriteSynonym(out, *group.GetAtSynonym(i));
    if (out.size() > synonymStart && i + 1 < count) out += "; ";
  }
  TrimRightFrom(out, start, " ");
  if (out.size() > start && out.back() != ';') out += ';';
}

template <class Meaning>
void WriteMeaning(ArticleTextBuffer& out, Meaning& meaning) {
  if (meaning.GetSyn() != 0) {
    out += kMeaningMark;
    AppendPartOfSpeechBlock(out, meaning.GetSyn(), meaning.GetAttr());
    out += ' ';
  }
  for (int i = 0; i < meaning.GetSizeSynonymGroup(); ++i) {
    if (i > 0) out += ' ';
    WriteGroup(out, *meaning.GetAtSynonymGroup(i));
  }
}

// The first line holds the entry's block (empty without a code), so that the
// head word always has a line of its own.
template <class Entry>
void WriteEntry(ArticleTextBuffer& out, Entry& entry) {
  const size_t start = out.size();
  if (entry.GetSyn() != 0) AppendPartOfSpeechBlock(out, entry.GetSyn(), entry.GetAttr());
  out += kLineBreak;
  const int count = entry.GetSizeMeaning();
  for (int i = 0; i < count; ++i) {
    const size_t meaningStart = out.size();
    WriteMeaning(out, *entry.GetAtMeaning(i));
    if (out.size() > meaningStart && i + 1 < count) out += kLineBreak;
  }
  TrimRightFrom(out, start, kLineBreak);
  if (!entry.GetReference().IsEmpty()) {
    if (out.size() > start && !EndsWithFrom(out, start, kLineBreak)) out += kLineBreak;
    out += '\\';
    AppendText(out, TextOf(entry.GetReference()));
  }
  TrimRightFrom(out, start, " ");
}

// The head word as it is shown put at `at`.
void InsertShownHeadWord(ArticleTextBuffer& out, size_t at, RecordText word, uint8_t type) {
  out.insert(at, word.chars, static_cast<size_t>(word.length));
  if (StoresReversedWords(type)) std::reverse(out.begin() + at, out.begin() + at + word.length);
}

// The head word ends the first line. A text that is only a reference has no
// first line: the head word gets one before it rather than joining the
// reference.
template <class DicEntry>
void WriteDicEntry(ArticleTextBuffer& out, DicEntry& entry) {
  const size_t start = out.size();
  WriteEntry(out, entry);
  const size_t lineBreak = FirstLineBreak(out, start);
  size_t at = out.size();  // where the head word goes, with what stands around it
  const char* before = " ";
  const char* after = "";
  if (lineBreak != kNoLineBreak) {
    at = lineBreak;
    if (at == start) before = "";
  } else if (out.size() > start && out[start] == '\\') {
    at = start;
    before = "";
    after = kLineBreak;
  } else if (out.size() == start) {
    before = "";
  }
  out.insert(at, after);
  InsertShownHeadWord(out, at, TextOf(entry.GetInWord()), entry.GetType());
  out.insert(at, before);
}

}  // namespace

void Append(ArticleTextBuffer& out, const MCString& text) {
  out.append(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

void TrimRightFrom(ArticleTextBuffer& out, size_t start, const char* set) {
  size_t end = out.size();
  while (end > start && IsOneOf(out[end - 1], set)) --end;
  out.resize(end);
}

MCString ToMCString(const ArticleTextBuffer& text) {
  return MCString(text.data(), static_cast<int>(text.size()));
}

void AppendWordComb(ArticleTextBuffer& out, const CWordComb& wordComb) {
  WriteWordComb(out, wordComb);
}
void AppendSynonym(ArticleTextBuffer& out, const CSynonym& synonym) { WriteSynonym(out, synonym); }
void AppendGroup(ArticleTextBuffer& out, const CSynonymGroup& group) { WriteGroup(out, group); }
void AppendMeaning(ArticleTextBuffer& out, const CMeaning& meaning) { WriteMeaning(out, meaning); }
void AppendEntry(ArticleTextBuffer& out, const CEntry& entry) { WriteEntry(out, entry); }
void AppendDicEntry(ArticleTextBuffer& out, const CDicEntry& entry) { WriteDicEntry(out, entry); }
void AppendDicEntry(ArticleTextBuffer& out, RecordStream& record) { WriteDicEntry(out, record); }
void AppendShownHeadWord(ArticleTextBuffer& out, const CDicEntry& entry) {
  InsertShownHeadWord(out, out.size(), TextOf(entry.GetInWord()), entry.GetType());
}

bool StoresReversedWords(uint8_t type) { return type == 2 || type == 3; }

}  // namespace article_dict_form
