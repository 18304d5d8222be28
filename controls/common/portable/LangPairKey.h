// The key that stands for one language direction (a dictionary's input and
// output language) in the maps of its pictures: the dictionary shelf's map
// of direction pictures and the main window's map of direction icons. Each
// language id keeps all of its 16 bits, so no two directions share a key.
//
// Portable: it builds in the native trees too, where its test runs.
#pragma once

#include <cstdint>

namespace morvex::controls {

// The output language in the high half, the input language in the low half.
// Only the low 16 bits of each id count (a LANGID is 16 bits wide).
uint32_t LangPairKey(long langIn, long langOut);

}  // namespace morvex::controls
