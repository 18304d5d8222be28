// Fuzzes the delta codes: the input is base, word and command separated by
// NUL bytes. Any command must decode safely, and every word the encoder
// accepts must decode back to itself.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/DeltaCode.h"
#include "base/MCObject.h"

namespace {

// The next NUL-terminated piece of the input (the rest when there is none).
MCString NextPiece(const std::uint8_t*& data, std::size_t& size) {
  const void* nul = std::memchr(data, 0, size);
  const std::size_t length = nul ? static_cast<const std::uint8_t*>(nul) - data : size;
  MCString piece(reinterpret_cast<const char*>(data), static_cast<int>(length));
  const std::size_t used = nul ? length + 1 : length;
  data += used;
  size -= used;
  return piece;
}

int g_refusals = 0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool silenced = (MSetMessageBoxHandler([](const char*, const char*, unsigned) {
                                  ++g_refusals;
                                  return 1;
                                }),
                                true);
  (void)silenced;
  if (size > 4096) return 0;
  const MCString base = NextPiece(data, size);
  const MCString word = NextPiece(data, size);
  const MCString command = NextPiece(data, size);
  int flag = 0;
  MakeWordFromCommand(base, command, flag);
  const int refusalsBefore = g_refusals;
  const MCString encoded = MakeCommandFromWord(base, word);
  if (g_refusals != refusalsBefore) return 0;
  if (MakeWordFromCommand(base, encoded) != word) __builtin_trap();
  return 0;
}
