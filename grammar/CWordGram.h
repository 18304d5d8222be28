// CWordGram: a word together with its grammar record. It answers the word's
// own id (129, text) and hands every other id to CGramInfo
// (grammar/CGramInfo.h).
//
// Both bases derive from MCObject: free a CWordGram through a CWordGram*,
// since a conversion to MCObject* is ambiguous.
#pragma once

#include "base/MCString.h"
#include "grammar/CGramInfo.h"
#include "grammar/CStrWord.h"
#include "grammar/GrammarExport.h"

class MMORPH_API CWordGram : public CGramInfo, public CStrWord {
 public:
  CWordGram();
  ~CWordGram() override;

  // Slots 28-31: id 129 is the word; every other id is CGramInfo's.
  MCString& GetValue(int id, MCString& out) override;
  int GetValue(int id, int flag) override;
  void SetValue(int id, MCString value) override;
  void SetValue(int id, int value, int flag) override;
  // Slot 32: copies the word and then the record into to (null does
  // nothing); returns to.
  virtual CWordGram* Copy(CWordGram* to);
  using CGramInfo::Copy;
};
