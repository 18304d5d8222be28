// One article as a layout parser reads it from a dictd source, before it is
// turned into the engine's article syntax: meanings with their part of
// speech, numbered groups of synonyms, labels, a reference. Texts are UTF-8
// as the source has them, with the source's own mark-up removed. The layout
// parsers (MuellerLayout, FreedictLayout) make it; ArticleText reads it.
#pragma once

#include <string>
#include <vector>

struct SourceSynonym {
  std::vector<std::string> labels;  // usage labels, shown before the words
  std::string words;
};

struct SourceGroup {
  int number = 0;  // 0: not numbered
  std::vector<SourceSynonym> synonyms;
};

struct SourceMeaning {
  // The engine's part-of-speech code (N noun, V verb, A adjective, D adverb,
  // P preposition, M pronoun, J conjunction, I numeral, T article), 0 none.
  char partOfSpeech = 0;
  std::vector<SourceGroup> groups;
};

struct SourceArticle {
  std::vector<SourceMeaning> meanings;
  std::string reference;  // a head word that the article refers to, or empty
};

// The meanings and the reference of `from` added to `into`: how several
// source entries of one head word become one article.
inline void AppendArticle(SourceArticle&& from, SourceArticle* into) {
  for (SourceMeaning& meaning : from.meanings) into->meanings.push_back(std::move(meaning));
  if (into->reference.empty()) into->reference = std::move(from.reference);
}
