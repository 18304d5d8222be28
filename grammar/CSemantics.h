// CSemantics: the semantic classes of a word, one byte per class (nonzero:
// the word belongs to it). Byte i is the semantic attribute of id 256 + i in
// the grammar tables (grammar/GrammarTables.h).
//
// Held by every CGramInfo (grammar/CGramInfo.h), which reads and writes it by
// attribute id and in the semantics section of a grammar string.
#pragma once

#include "base/MCArray.h"
#include "base/MCObject.h"
#include "grammar/GrammarExport.h"

class MMORPH_API CSemantics : public MCObject {
 public:
  // The largest byte index a semantic attribute may have: ids 256..511
  // (and the raw indices 0..255) address every byte a grammar string can
  // carry, and a wild id never grows the array without bound.
  enum : int { kMaxIndex = 255 };

  CSemantics();
  ~CSemantics() override;
  CSemantics(const CSemantics&) = delete;
  CSemantics& operator=(const CSemantics&) = delete;

  // The byte of a semantic attribute. An id of 256 or more is reduced by 256;
  // smaller ids are byte indices themselves. The getter gives 0 for a
  // negative id and for an index beyond the array; the setter ignores a
  // negative id and an index above kMaxIndex, and grows the array to reach
  // the index.
  unsigned char Attr(int id) const;
  void Attr(int id, unsigned char value);

  // The bytes themselves; byte i is attribute 256 + i.
  MCByteArray& GetBytes() { return bytes_; }
  const MCByteArray& GetBytes() const { return bytes_; }
  int IsEmpty() const { return bytes_.GetSize() == 0; }

  void Clear();
  // This array becomes a copy of the other's.
  void CopyFrom(const CSemantics& other);
  // Grows this array to the other's size when shorter, then ORs each of
  // the other's bytes into it.
  void OrWith(const CSemantics& other);

 private:
  MCByteArray bytes_;
};
