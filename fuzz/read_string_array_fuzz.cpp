// Fuzzes the definition-source reader. The input up to its first NUL byte
// is "main.txt"; the rest is "inc.txt", so that the fuzzer can reach nested
// includes, cycles and include failures by naming either file.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/MCArray.h"
#include "base/MCFile.h"
#include "base/ReadStringArray.h"
#include "fuzz/fuzz_scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzScratchDir& dir = FuzzScratchDir::Get();
  const void* nul = std::memchr(data, 0, size);
  const std::size_t mainSize = nul ? static_cast<const std::uint8_t*>(nul) - data : size;
  const std::size_t incOffset = nul ? mainSize + 1 : size;
  if (!dir.Write("main.txt", data, mainSize) ||
      !dir.Write("inc.txt", data + incOffset, size - incOffset)) {
    return 0;
  }
  MCFile file;
  if (!file.Open(dir.Path("main.txt").c_str(), 0x8020)) return 0;
  MCStringArray lines;
  ReadStringArray(file, lines);
  file.Close();
  return 0;
}
