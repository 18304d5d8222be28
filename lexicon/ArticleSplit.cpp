// The plain form of an article cut into its tree (lexicon/ArticleSyntax.h).
#include <stdint.h>

#include "lexicon/ArticleDictionaryForm.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"

namespace {

constexpr char kEscape = '\\';

bool IsDigitChar(char ch) { return ch >= '0' && ch <= '9'; }

MCString Trimmed(const MCString& text) {
  MCString trimmed = text;
  trimmed.Trim();
  return trimmed;
}

// The position of the closer of the bracket at `pos`, or -1 when the text
// has none (the bracket is then an ordinary character).
int CloserOf(const MCString& text, int pos) {
  int closer = pos;
  text.GetInside(closer, kEscape);
  return closer > pos ? closer : -1;
}

// Where a scan that passes over closed parts in `skipped` brackets goes on
// after position `pos`.
int SkipClosed(const MCString& text, int pos, const char* skipped) {
  for (const char* opener = skipped; *opener != 0; ++opener) {
    if (text[pos] != *opener) continue;
    const int closer = CloserOf(text, pos);
    return closer < 0 ? pos : closer;
  }
  return pos;
}

// The first `wanted` character outside closed parts in square brackets and
// braces, from `start`; -1 when there is none.
int FindOutside(const MCString& text, char wanted, int start, const char* skipped = "[{") {
  for (int i = start; i < text.GetLength(); ++i) {
    if (text[i] == wanted) return i;
    i = SkipClosed(text, i, skipped);
  }
  return -1;
}

// A closed part in `opener` brackets at the start of `text` is moved out of
// it into `inside`; false (text unchanged) when there is none.
bool TakeLeading(MCString& text, char opener, MCString& inside) {
  if (text.IsEmpty() || text[0] != opener) return false;
  const int closer = CloserOf(text, 0);
  if (closer < 0) return false;
  inside = Trimmed(text.Mid(1, closer - 1));
  text = Trimmed(text.Mid(closer + 1));
  return true;
}

// The first closed part in `opener` brackets outside `skipped` ones is cut
// out into `inside`, and the blank runs left behind collapse to one.
bool CutOut(MCString& text, char opener, const char* skipped, MCString& inside) {
  for (int i = 0; i < text.GetLength(); ++i) {
    if (text[i] == opener) {
      const int closer = CloserOf(text, i);
      if (closer < 0) continue;
      inside = Trimmed(text.Mid(i + 1, closer - i - 1));
      text = text.Left(i) + text.Mid(closer + 1);
      text.MakeOneSpace();
      text.Trim();
      return true;
    }
    i = SkipClosed(text, i, skipped);
  }
  return false;
}

// The text cut before each position where `cutsBefore` holds (outside
// closed square brackets and braces); the pieces are trimmed and the empty
// ones dropped. `handle` gets each piece.
template <class CutsBefore, class Handle>
void CutPieces(const MCString& text, CutsBefore cutsBefore, Handle handle) {
  int start = 0;
  auto emit = [&](int end) {
    const MCString piece = Trimmed(text.Mid(start, end - start));
    if (!piece.IsEmpty()) handle(piece);
    start = end;
  };
  for (int i = 0; i < text.GetLength(); ++i) {
    if (i > start && cutsBefore(i)) emit(i);
    i = SkipClosed(text, i, "[{");
  }
  emit(text.GetLength());
}

// A meaning's code: one non-digit character and a point, then a blank, "["
// or the end.
bool IsMeaningCodeAt(const MCString& text, int pos) {
  const int length = text.GetLength();
  if (pos + 1 >= length) return false;
  const char ch = text[pos];
  if (IsDigitChar(ch) || ch == '[' || ch == '{' || ch == '(' || ch == '<') return false;
  if (text[pos + 1] != '.') return false;
  return pos + 2 == length || text[pos + 2] == ' ' || text[pos + 2] == '[';
}

// The length of a group number (one or two digits and a point) at `pos`,
// 0 when there is none. A digit after the point makes it a decimal number
// of the text ("1.5"), and a third digit before it an ordinary number.
int GroupNumberLength(const MCString& text, int pos) {
  const int length = text.GetLength();
  int digits = 0;
  while (pos + digits < length && IsDigitChar(text[pos + digits])) ++digits;
  if (digits == 0 || digits > 2 || pos + digits >= length || text[pos + digits] != '.') return 0;
  const int after = pos + digits + 1;
  if (after < length && IsDigitChar(text[after])) return 0;
  return digits + 1;
}

bool IsBlank(char ch) { return ch == ' '; }

// The word that ends before the blank at `blank` is a lone upper-case letter
// or a lone part in square brackets: it belongs to the word after it.
bool IsBoundToNext(const MCString& text, int blank) {
  int wordStart = blank;
  while (wordStart > 0 && !IsBlank(text[wordStart - 1])) --wordStart;
  const int wordLength = blank - wordStart;
  if (wordLength == 1) return text.IsUpper(wordStart) != 0;
  return text[wordStart] == '[' && CloserOf(text, wordStart) == blank - 1;
}

}  // namespace

void SplitString(CWordComb& wordComb, const MCString& text) {
  MCString rest = Trimmed(text);
  wordComb.SetSyn(0);
  wordComb.SetAttrType(CWordComb::kAttrNone);
  wordComb.SetAttr(MCString());
  if (rest.GetLength() >= 2 && (rest[1] == ' ' || rest[1] == '[')) {
    wordComb.SetSyn(rest[0]);
    rest = Trimmed(rest.Mid(1));
  }
  MCString attr;
  if (TakeLeading(rest, '[', attr)) {
    wordComb.SetAttrType(CWordComb::kAttrBefore);
    wordComb.SetAttr(attr);
  }
  for (int i = 1; i < rest.GetLength(); ++i) {
    if (rest[i] != '[') continue;
    const int closer = CloserOf(rest, i);
    if (closer < 0) continue;
    const bool before = wordComb.GetAttrType() == CWordComb::kAttrBefore;
    wordComb.SetAttrType(before ? CWordComb::kAttrBoth : CWordComb::kAttrAfter);
    wordComb.SetAttr(wordComb.GetAttr() + Trimmed(rest.Mid(i + 1, closer - i - 1)));
    rest = Trimmed(rest.Left(i));
    break;
  }
  wordComb.SetSynonym(rest);
}

void SplitString(CSynonym& synonym, const MCString& text) {
  MCString rest = Trimmed(text);
  synonym.Free();
  synonym.SetContextType(CSynonym::kContextNone);
  synonym.SetContext(MCString());
  synonym.SetDefinition(MCString());
  synonym.SetReference(MCString());
  MCString context;
  if (TakeLeading(rest, '(', context)) {
    uint8_t contextType = CSynonym::kContextNone;
    if (!context.IsEmpty() && context[0] == '~') {
      contextType = CSynonym::kContextLeft;
      context = Trimmed(context.Mid(1));
    }
    if (!context.IsEmpty() && context[context.GetLength() - 1] == '~') {
      contextType =
          contextType == CSynonym::kContextLeft ? CSynonym::kContextBoth : CSynonym::kContextRight;
      context = Trimmed(context.Left(context.GetLength() - 1));
    }
    synonym.SetContextType(contextType);
    synonym.SetContext(context);
  }
  for (;;) {
    const int close = FindOutside(rest, ')', 0, "[{<");
    const int open = FindOutside(rest, '(', 0, "[{<");
    if (close < 0 || (open >= 0 && open < close)) break;
    const MCString label = Trimmed(rest.Left(close));
    rest = Trimmed(rest.Mid(close + 1));
    if (!label.IsEmpty() && synonym.AddLabel(label) < 0) break;
  }
  MCString part;
  if (CutOut(rest, '<', "[{", part)) synonym.SetReference(part);
  if (CutOut(rest, '{', "[", part)) synonym.SetDefinition(part);
  CutPieces(
      rest,
      [&](int i) {
        return IsBlank(rest[i - 1]) && !IsBlank(rest[i]) && rest[i] != '[' &&
               !IsBoundToNext(rest, i - 1);
      },
      [&](const MCString& piece) {
        CWordComb* wordComb = synonym.AddNewWordComb();
        if (wordComb != nullptr) SplitString(*wordComb, piece);
      });
}

void SplitString(CSynonymGroup& group, const MCString& text) {
  MCString rest = Trimmed(text);
  group.Free();
  group.SetGroupNumber(0);
  group.SetDefinition(MCString());
  const int numberLength = GroupNumberLength(rest, 0);
  if (numberLength > 0) {
    int number = 0;
    for (int i = 0; i + 1 < numberLength; ++i) number = number * 10 + (rest[i] - '0');
    group.SetGroupNumber(static_cast<uint8_t>(number));
    rest = Trimmed(rest.Mid(numberLength));
  }
  MCString definition;
  if (TakeLeading(rest, '{', definition)) group.SetDefinition(definition);
  int start = 0;
  for (;;) {
    const int semicolon = FindOutside(rest, ';', start);
    const int end = semicolon < 0 ? rest.GetLength() : semicolon;
    const MCString piece = Trimmed(rest.Mid(start, end - start));
    if (!piece.IsEmpty()) {
      CSynonym* synonym = group.AddNewSynonym();
      if (synonym != nullptr) SplitString(*synonym, piece);
    }
    if (semicolon < 0) break;
    start = semicolon + 1;
  }
}

void SplitString(CMeaning& meaning, const MCString& text, char defaultSyn) {
  MCString rest = Trimmed(text);
  meaning.Free();
  meaning.SetSyn(defaultSyn);
  meaning.SetAttr(MCString());
  if (!rest.IsEmpty() && !IsDigitChar(rest[0]) && IsMeaningCodeAt(rest, 0)) {
    meaning.SetSyn(rest[0]);
    rest = Trimmed(rest.Mid(2));
  }
  MCString attr;
  if (TakeLeading(rest, '[', attr)) meaning.SetAttr(attr);
  // A group starts only at the piece's start or after a blank, so that
  // numbers such as 1.5 inside a translation stay whole.
  CutPieces(
      rest, [&](int i) { return IsBlank(rest[i - 1]) && GroupNumberLength(rest, i) > 0; },
      [&](const MCString& piece) {
        CSynonymGroup* group = meaning.AddNewSynonymGroup();
        if (group != nullptr) SplitString(*group, piece);
      });
}

void SplitString(CEntry& entry, const MCString& text) {
  MCString rest = Trimmed(text);
  entry.Free();
  entry.SetSyn(0);
  entry.SetAttr(MCString());
  entry.SetReference(MCString());
  const uint8_t type = entry.GetType();
  // A code stands alone: a first character that runs on into a word is text,
  // so that an entry without a code reads back as it was written.
  if ((type == 1 || type == 4) && !rest.IsEmpty() &&
      (rest.GetLength() == 1 || rest[1] == ' ' || rest[1] == '[')) {
    entry.SetSyn(rest[0]);
    rest = Trimmed(rest.Mid(1));
  }
  MCString attr;
  if (TakeLeading(rest, '[', attr)) entry.SetAttr(attr);
  const int backslash = FindOutside(rest, kEscape, 0);
  if (backslash >= 0) {
    entry.SetReference(Trimmed(rest.Mid(backslash + 1)));
    rest = Trimmed(rest.Left(backslash));
  }
  CutPieces(
      rest, [&](int i) { return IsBlank(rest[i - 1]) && IsMeaningCodeAt(rest, i); },
      [&](const MCString& piece) {
        CMeaning* meaning = entry.AddNewMeaning();
        if (meaning != nullptr) SplitString(*meaning, piece, entry.GetSyn());
      });
}

void SplitArticle(CDicEntry& entry, const MCString& text) {
  const uint8_t type = entry.GetType();
  const int star = type == article_dict_form::kHeadWordOnlyType ? -1 : text.Find('*');
  MCString word = Trimmed(star < 0 ? text : text.Left(star));
  if (article_dict_form::StoresReversedWords(type)) word.MakeReverse();
  entry.SetInWord(word);
  SplitString(static_cast<CEntry&>(entry), star < 0 ? MCString() : text.Mid(star + 1));
}
