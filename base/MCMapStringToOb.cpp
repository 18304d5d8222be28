// The string-keyed map: its hash, LookupKey, and the map members instantiated
// for it.
#include "base/MCMapStringToOb.h"

#include <cstdint>

#include "base/MCHashMapImpl.h"

unsigned MStringKeyTraits::Hash(const char* key) {
  uint32_t hash = 0;
  if (key) {
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(key); *c; ++c) {
      hash = hash * 33 + *c;
    }
  }
  return hash;
}

template class MCHashMap<MStringKeyTraits>;

MCMapStringToOb::MCMapStringToOb(int blockSize) : MCHashMap<MStringKeyTraits>(blockSize) {}

int MCMapStringToOb::LookupKey(const char* key, const char*& storedKey) const {
  Node* node = FindNode(key);
  if (!node) return 0;
  storedKey = node->key;
  return 1;
}
