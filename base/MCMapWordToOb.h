// MCMapWordToOb: a hash map from an unsigned 16-bit word to an MCObject
// pointer (not owned). The base library keys its languages by LANGID in one;
// the members and the iteration order are those of MCHashMap
// (base/MCHashMap.h).
//
// HashKey(key) is key >> 4, so the 16 keys that differ only in their low four
// bits share a bucket. With 17 buckets, 0x0409 (hash 64) lands in bucket 13
// and 0x0419 (hash 65) in bucket 14: iteration gives 0x0409 first.
#pragma once

#include "base/BaseExport.h"
#include "base/MCHashMap.h"

struct MWordKeyTraits {
  typedef unsigned short Key;
  typedef unsigned short Arg;
  static unsigned Hash(unsigned short key);
};

extern template class MBASE_API MCHashMap<MWordKeyTraits>;

class MBASE_API MCMapWordToOb : public MCHashMap<MWordKeyTraits> {
 public:
  explicit MCMapWordToOb(int blockSize = 10);
};
