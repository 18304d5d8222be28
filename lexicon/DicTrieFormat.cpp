#include "lexicon/DicTrieFormat.h"

namespace dictrie {

void WriteU24(unsigned char* bytes, uint32_t value) {
  bytes[0] = static_cast<unsigned char>(value);
  bytes[1] = static_cast<unsigned char>(value >> 8);
  bytes[2] = static_cast<unsigned char>(value >> 16);
}

}  // namespace dictrie
