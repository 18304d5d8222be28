// dictd sources into head words and article texts
// (tools/dictd/ConvertedDictionary.h).
#include "tools/dictd/ConvertedDictionary.h"

#include <map>
#include <string_view>
#include <utility>

#include "tools/dictd/ArticleText.h"
#include "tools/dictd/DictdSource.h"
#include "tools/dictd/FreedictLayout.h"
#include "tools/dictd/MuellerLayout.h"
#include "tools/dictd/SourceArticle.h"
#include "tools/dictd/SyntaxEscaping.h"

namespace {

// One head word's article while the source's entries are collected; the
// source's own spelling (UTF-8) names it in reports.
struct PendingArticle {
  std::string sourceWord;
  SourceArticle article;
};

SourceArticle ParseArticle(SourceLayout layout, std::string_view text) {
  return layout == SourceLayout::kMueller ? ParseMuellerArticle(text) : ParseFreedictArticle(text);
}

}  // namespace

bool ParseSourceLayout(const std::string& name, SourceLayout* layout) {
  if (name == "mueller") {
    *layout = SourceLayout::kMueller;
  } else if (name == "freedict") {
    *layout = SourceLayout::kFreedict;
  } else {
    return false;
  }
  return true;
}

bool ConvertDictionary(const DictionarySource& source, ConvertedDictionary* out,
                       std::string* error) {
  std::string indexText;
  std::string data;
  if (!ReadDictdFile(source.indexPath, &indexText, error) ||
      !ReadDictdFile(source.dataPath, &data, error)) {
    return false;
  }
  out->shortName = DictdHeaderValue(indexText, data, "00-database-short");
  const std::vector<DictdIndexEntry> entries = ParseDictdIndex(indexText, &out->problems);
  out->sourceEntries = static_cast<unsigned>(entries.size());
  const CodePage wordPage = CodePageOfLanguage(source.langIn);
  const CodePage textPage = CodePageOfLanguage(source.langOut);

  std::map<std::string, PendingArticle> byWord;
  for (const DictdIndexEntry& entry : entries) {
    std::string_view text;
    if (!ArticleOf(data, entry, &text)) {
      out->problems.push_back(entry.word + ": its article lies outside the data file (index line " +
                              std::to_string(entry.line) + ")");
      continue;
    }
    const std::string word = CleanHeadWord(ConvertUtf8(entry.word, wordPage, &out->counts));
    if (word.empty()) {
      out->problems.push_back("index line " + std::to_string(entry.line) +
                              ": the head word has no character the code page can write");
      continue;
    }
    PendingArticle& pending = byWord[word];
    if (pending.sourceWord.empty()) pending.sourceWord = entry.word;
    AppendArticle(ParseArticle(source.layout, text), &pending.article);
  }

  out->articles.reserve(byWord.size());
  for (auto& [word, pending] : byWord) {
    ArticleText text;
    std::string problem;
    if (!MakeArticleText(pending.article, textPage, &text, &problem, &out->counts)) {
      out->problems.push_back(pending.sourceWord + ": " + problem);
      continue;
    }
    out->articles.push_back(
        ConvertedArticle{word, pending.sourceWord, std::move(text.text), text.recordSize});
  }
  return true;
}
