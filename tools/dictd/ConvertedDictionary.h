// A dictd source converted into the head words and plain article texts of
// one dictionary: the index and data files are read, each entry's article
// is parsed with the source's layout, entries of the same head word are
// joined into one article, and every article is written in the article
// syntax. What cannot be converted is listed, never cut: an article either
// goes in whole or is left out with its reason. The dictionary builder and
// the benchmarks use it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/dictd/CodePageConversion.h"

enum class SourceLayout { kMueller, kFreedict };

// false for a name other than "mueller" and "freedict".
bool ParseSourceLayout(const std::string& name, SourceLayout* layout);

struct DictionarySource {
  std::string indexPath;
  std::string dataPath;  // .dict or .dict.dz
  SourceLayout layout = SourceLayout::kMueller;
  uint16_t langIn = 0;   // language of the head words
  uint16_t langOut = 0;  // language of the articles
};

struct ConvertedArticle {
  std::string word;        // in the code page of langIn
  std::string sourceWord;  // as the source spells it (UTF-8), for reports
  std::string text;        // plain article text in the code page of langOut
  unsigned recordSize = 0;
};

struct ConvertedDictionary {
  std::vector<ConvertedArticle> articles;  // by head word, in byte order
  std::vector<std::string> problems;       // one line per article left out
  std::string shortName;                   // the source's own name, UTF-8
  unsigned sourceEntries = 0;              // index entries read
  ConversionCounts counts;
};

// false, with the reason in `error`, when a source file cannot be read;
// problems of single entries only go to `out->problems`.
bool ConvertDictionary(const DictionarySource& source, ConvertedDictionary* out,
                       std::string* error);
