// CStrLex: splits a line into tokens separated by any character of a set.
//
// The language data loader reads its rows with FirstStr/NextStr, the word
// list file its word pairs; the dictionary libraries use it for their own
// lines. Two ways of reading:
//   - Get/First/Next walk the caller's text and return pointers into it, so
//     the text must stay alive and unchanged between the calls. Each token is
//     also copied into a caller buffer; prefer the overloads that take the
//     buffer's size.
//   - FirstStr/NextStr keep their own copy of the text and hand out token n
//     on the n-th call; past the last token they repeat the last piece (the
//     last token, or "" when the text ends in separators), so a row with too
//     few fields fills the missing ones from its end.
//
// The separator set is NOT copied: the object keeps the caller's pointer, so
// the set must outlive every call that scans (a string literal, or a buffer
// that lives as long as the tokenizer; never a temporary string).
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCString.h"

class MBASE_API CStrLex {
 public:
  // A null set selects the default: space, CR, LF, tab, form feed, vertical tab.
  explicit CStrLex(const char* separators);
  virtual ~CStrLex();

  void SetPic(const char* separators);

  // The next token of text (a null text continues after the last token).
  // Returns the token's first character inside the text (terminated there
  // only when it is the last token), or null when no token is left. When out
  // is not null it receives the token, or "" when there is none.
  //
  // Without a size, out must hold strlen(text) + 1 bytes (a copy of the whole
  // line always fits). With a size, the token is cut to outSize - 1
  // characters and always terminated; LastCut() then tells whether it was cut.
  const char* Get(const char* text, char* out);
  const char* Get(const char* text, char* out, int outSize);
  const char* First(const char* text, char* out) { return Get(text, out); }
  const char* First(const char* text, char* out, int outSize) { return Get(text, out, outSize); }
  const char* Next(char* out) { return Get(nullptr, out); }
  const char* Next(char* out, int outSize) { return Get(nullptr, out, outSize); }

  // The last token's first character and the separator after it (null when
  // the token ran to the end of the text, and both null when there was none).
  const char* LastBegin() const { return lastBegin_; }
  const char* LastEnd() const { return lastEnd_; }
  // The length of the last token that a separator ended: a token running to
  // the end of the text leaves it unchanged. Lengths above 32767 read as
  // 32767; the exact length is LastEnd() - LastBegin().
  std::int16_t LastLen() const { return lastLen_; }
  // 1 when the last sized Get had to cut its token to fit the buffer.
  int LastCut() const { return lastCut_; }

  // Keeps a copy of text (null counts as "") and returns its token 0; each
  // NextStr returns the following token. The characters stay valid until the
  // next FirstStr or NextStr.
  const char* FirstStr(const char* text);
  const char* NextStr();

 private:
  bool IsSeparator(char ch) const;
  const char* SkipSeparators(const char* p) const;
  const char* FindSeparator(const char* p) const;
  // Finds the next token and records it; the token and its length, or null.
  const char* Scan(const char* text, std::int32_t* length);
  // Token `index` of the kept copy, by the repeat-the-last-piece rule.
  const char* TokenOfCopy(int index);

  const char* separators_;
  const char* lastBegin_ = nullptr;
  const char* lastEnd_ = nullptr;
  std::int16_t lastLen_ = 0;
  int lastCut_ = 0;
  MCString text_;
  MCString token_;
  int tokenIndex_ = 0;
};
