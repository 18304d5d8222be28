// CStrWord: a word as text, the second base of CWordGram
// (grammar/CWordGram.h), which couples a word with its grammar record.
#pragma once

#include "base/MCObject.h"
#include "base/MCString.h"
#include "grammar/GrammarExport.h"

class MMORPH_API CStrWord : public MCObject {
 public:
  CStrWord();
  ~CStrWord() override;

  MCString GetWord() const { return word_; }
  void SetWord(MCString word) { word_ = word; }

 private:
  MCString word_;
};
