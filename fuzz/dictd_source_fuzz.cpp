// Fuzzes the reading of dictd sources: the input is taken as index text and
// as one source article in each layout, which is then written in the
// article syntax for both code pages. Damaged lines, stray marks and
// malformed UTF-8 must neither crash nor hang, and an article the builder
// accepts must read back as written (checked inside MakeArticleText).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dictd/ArticleText.h"
#include "tools/dictd/DictdSource.h"
#include "tools/dictd/FreedictLayout.h"
#include "tools/dictd/MuellerLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> problems;
  const std::string content(text);
  for (const DictdIndexEntry& entry : ParseDictdIndex(text, &problems)) {
    std::string_view article;
    ArticleOf(content, entry, &article);
  }
  for (const SourceArticle& article : {ParseMuellerArticle(text), ParseFreedictArticle(text)}) {
    for (CodePage codePage : {CodePage::k1251, CodePage::k1252}) {
      ArticleText out;
      std::string problem;
      MakeArticleText(article, codePage, &out, &problem, nullptr);
    }
  }
  return 0;
}
