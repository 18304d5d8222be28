// Fuzzes the article text split. The first byte picks the dictionary type,
// the rest is the plain text; the tree it gives is merged back in both forms
// and split again. Unbalanced brackets and stray marks must neither crash
// nor hang.
#include <cstddef>
#include <cstdint>

#include "base/MCString.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/DicSearchFlags.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const uint8_t type = static_cast<uint8_t>(1 + data[0] % 7);
  const MCString text(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
  CDicEntry entry(type);
  entry.SetInWord("w");
  SplitString(entry, text);
  const MCString plain = MergeString(entry, 0);
  MergeString(entry, kMDFindDictForm);
  CEntry again(type);
  SplitString(again, plain);
  return 0;
}
