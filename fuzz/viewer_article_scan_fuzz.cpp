// Fuzzes the viewer's article scan: any bytes (an article as a dictionary
// file gives it). The scan changes only mark-up bytes, into blanks; the
// side of every byte is given; positions lead back to bytes inside the
// text; every run and every byte is read, so that the sanitizer sees any
// access out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/LookupPane/portable/ArticleScan.h"

using morvex::lookuppane::ArticleRun;
using morvex::lookuppane::ArticleSide;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  std::string text = original;
  const auto runs = morvex::lookuppane::ScanArticle(text.data(), text.size());
  if (runs.empty()) __builtin_trap();
  for (std::size_t i = 0; i < size; ++i) {
    if (text[i] == original[i]) continue;
    const char was = original[i];
    if (text[i] != ' ' || (was != '{' && was != '}' && was != '\\')) __builtin_trap();
  }
  const auto sides = morvex::lookuppane::SidesOfBytes(text.data(), text.size(), runs);
  if (sides.size() != size) __builtin_trap();
  unsigned sum = 0;
  for (ArticleSide side : sides) sum += side == ArticleSide::kInput ? 1u : 0u;
  for (const ArticleRun& run : runs) {
    const std::size_t from = morvex::lookuppane::ByteOfPosition(text.data(), size, run.start);
    const std::size_t to = morvex::lookuppane::ByteOfPosition(text.data(), size, run.end);
    if (from > size || to > size) __builtin_trap();
    if (from < to) sum += static_cast<unsigned char>(text[to - 1]);
  }
  return static_cast<int>(sum & 0);
}
