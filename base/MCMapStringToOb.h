// MCMapStringToOb: a hash map from a string to an MCObject pointer (not
// owned). The members and the iteration order are those of MCHashMap
// (base/MCHashMap.h); a node keeps its own MCString copy of the key.
//
// HashKey runs h = h * 33 + c over the unsigned characters in 32-bit
// arithmetic; keys compare byte by byte, case-sensitively. A null key counts
// as "".
#pragma once

#include "base/BaseExport.h"
#include "base/MCHashMap.h"
#include "base/MCString.h"

struct MStringKeyTraits {
  typedef MCString Key;
  typedef const char* Arg;
  static unsigned Hash(const char* key);
};

extern template class MBASE_API MCHashMap<MStringKeyTraits>;

class MBASE_API MCMapStringToOb : public MCHashMap<MStringKeyTraits> {
 public:
  explicit MCMapStringToOb(int blockSize = 10);

  // 1 and the characters of the stored key (valid while the entry lives)
  // when the key is present, else 0.
  int LookupKey(const char* key, const char*& storedKey) const;
};
