// A source article (tools/dictd/SourceArticle.h) written in the engine's
// plain article syntax for dictionaries of type 1, in the dictionary's code
// page. The tree is built with the engine's own classes and merged by the
// engine, then split and merged once more: an article is accepted only when
// it reads back exactly as written and its record fits the format (texts
// of at most 255 bytes, at most 255 children of a node). The dictionary
// builder calls it once per head word.
#pragma once

#include <string>

#include "tools/dictd/CodePageConversion.h"
#include "tools/dictd/SourceArticle.h"

// The dictionary type the builder writes: part of speech, meanings, groups,
// labels and references, and no definitions.
constexpr unsigned char kBuiltDictionaryType = 1;

struct ArticleText {
  std::string text;         // the plain article text, never empty
  unsigned recordSize = 0;  // bytes of its record in the dictionary file
};

// False, with the reason in `problem`, when the article is empty or cannot
// be stored whole; `counts` (may be null) adds what the conversion changed.
bool MakeArticleText(const SourceArticle& source, CodePage codePage, ArticleText* out,
                     std::string* problem, ConversionCounts* counts);
