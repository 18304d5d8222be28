#include "grammar/CSemantics.h"

#include "grammar/ByteSets.h"

namespace {

// Ids of 256 and up name their byte from 256; smaller ids are indices.
int IndexOf(int id) { return id >= 256 ? id - 256 : id; }

}  // namespace

CSemantics::CSemantics() = default;

CSemantics::~CSemantics() = default;

unsigned char CSemantics::Attr(int id) const {
  if (id < 0) return 0;
  const int index = IndexOf(id);
  return index < bytes_.GetSize() ? bytes_[index] : 0;
}

void CSemantics::Attr(int id, unsigned char value) {
  if (id < 0) return;
  const int index = IndexOf(id);
  if (index > kMaxIndex) return;
  bytes_.SetAtGrow(index, value);
}

void CSemantics::Clear() { bytes_.RemoveAll(); }

void CSemantics::CopyFrom(const CSemantics& other) {
  if (&other != this) bytes_.Copy(other.bytes_);
}

void CSemantics::OrWith(const CSemantics& other) { OrBytesInto(bytes_, other.bytes_); }
