#include "controls/common/portable/LangPairKey.h"

namespace morvex::controls {

uint32_t LangPairKey(long langIn, long langOut) {
  const uint32_t in = static_cast<uint32_t>(langIn) & 0xFFFFu;
  const uint32_t out = static_cast<uint32_t>(langOut) & 0xFFFFu;
  return out << 16 | in;
}

}  // namespace morvex::controls
