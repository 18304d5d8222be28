// CLangPair: an input and an output language, as a dictionary or a
// base-dictionary queue pairs them, and their pair string ("ruen": the input
// abbreviation, then the output one) that names base dictionaries.
//
// The languages are plain pointers into the process-wide language data
// (base/CLangData.h) and stay valid while it lives.
#pragma once

#include "base/BaseExport.h"
#include "base/CLang.h"
#include "base/MCObject.h"

class MBASE_API CLangPair : public MCObject {
 public:
  enum : int { kPairStringLength = 2 * CLang::kAbbreviationLength };

  // Starts empty, then SetLangId(in, out).
  CLangPair(unsigned short in, unsigned short out);
  ~CLangPair() override;

  // 1 when the input language (and the output language, when out is not 0)
  // is loaded: both are then set, and the pair string. An output id of 0
  // pairs the input language with itself under its abbreviation alone.
  // 0, with nothing changed, for an input id of 0 or a language that is not
  // loaded.
  int SetLangId(unsigned short in, unsigned short out);
  // Swaps input and output (and the halves of the pair string), unless the
  // input id is 0 or both ids are equal.
  void Invert();

  CLang* GetInLang() const { return inLang_; }
  CLang* GetOutLang() const { return outLang_; }
  unsigned short GetInLangId() const { return inLangId_; }
  unsigned short GetOutLangId() const { return outLangId_; }
  // Store the id alone: the languages and the pair string stay.
  void SetInLangId(unsigned short id) { inLangId_ = id; }
  void SetOutLangId(unsigned short id) { outLangId_ = id; }
  // The pair string, also copied to dst (room for 5 characters) when dst is
  // not null.
  const char* GetLangStr(char* dst) const;

 private:
  CLang* inLang_;
  CLang* outLang_;
  unsigned short inLangId_;
  unsigned short outLangId_;
  char pair_[kPairStringLength + 1];
};
