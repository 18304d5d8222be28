// Merging of the byte sets of a grammar record (its language attributes and
// its semantics): grow to the other's size, then OR byte by byte. Internal
// to MorvexMorph.
#pragma once

#include "base/MCArray.h"

inline void OrBytesInto(MCByteArray& into, const MCByteArray& from) {
  if (into.GetSize() < from.GetSize()) into.SetSize(from.GetSize());
  // A refused growth leaves the array shorter: merge what both hold.
  const int common = into.GetSize() < from.GetSize() ? into.GetSize() : from.GetSize();
  for (int i = 0; i < common; ++i) into[i] |= from[i];
}
