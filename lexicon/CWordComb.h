// CWordComb: a word combination of a synonym in an article tree, the
// smallest node: the word or words themselves, an optional part-of-speech
// code and a grammar attribute written before or after them. CSynonym owns
// its combinations; the record reader and writer and the article syntax fill
// and read them.
#pragma once

#include <stdint.h>

#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/LexiconExport.h"

class MLEX_API CWordComb : public MCObject {
 public:
  // Where the attribute stands.
  enum AttrType : uint8_t {
    kAttrNone = 0,
    kAttrBoth = 1,
    kAttrBefore = 'L',
    kAttrAfter = 'R',
  };

  // `type` is the dictionary type (1 to 7) the node is made for.
  explicit CWordComb(uint8_t type = 1);
  ~CWordComb() override;
  CWordComb(const CWordComb&) = delete;
  CWordComb& operator=(const CWordComb&) = delete;

  uint8_t GetType() const { return type_; }
  char GetSyn() const { return syn_; }  // 0: no code
  void SetSyn(char syn) { syn_ = syn; }
  const MCString& GetSynonym() const { return synonym_; }
  void SetSynonym(const MCString& synonym) { synonym_ = synonym; }
  // The text from `length` bytes, in the room the old one had.
  void SetSynonym(const char* chars, int length);
  uint8_t GetAttrType() const { return attrType_; }
  void SetAttrType(uint8_t attrType) { attrType_ = attrType; }
  const MCString& GetAttr() const { return attr_; }
  void SetAttr(const MCString& attr) { attr_ = attr; }
  void SetAttr(const char* chars, int length);

  // As newly made with the type, keeping the room of the texts.
  void Reset(uint8_t type);
  // Takes the other's type and fields; null or itself changes nothing.
  void Copy(const CWordComb* other);

 private:
  uint8_t type_;
  char syn_;
  MCString synonym_;
  uint8_t attrType_;
  MCString attr_;
};
