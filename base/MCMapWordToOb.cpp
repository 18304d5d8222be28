// The word-keyed map: its hash, and the map members instantiated for it.
#include "base/MCMapWordToOb.h"

#include "base/MCHashMapImpl.h"

unsigned MWordKeyTraits::Hash(unsigned short key) { return key >> 4; }

template class MCHashMap<MWordKeyTraits>;

MCMapWordToOb::MCMapWordToOb(int blockSize) : MCHashMap<MWordKeyTraits>(blockSize) {}
