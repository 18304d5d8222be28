#include "app/portable/PopupText.h"

#include <algorithm>

namespace morvex::solo {

namespace {

constexpr unsigned char kTab = 0x09;
constexpr unsigned char kMiddleDot = 0xB7;
// An article shorter than this is no article.
constexpr size_t kShortestArticle = 2;

unsigned char Lowered(unsigned char c) {
  const bool asciiUpper = c >= 0x41 && c <= 0x5A;
  const bool cyrillicUpper = c >= 0xC0 && c <= 0xDF;
  return asciiUpper || cyrillicUpper ? static_cast<unsigned char>(c + 0x20) : c;
}

long Clamp(long value, long low, long high) { return std::max(low, std::min(value, high)); }

}  // namespace

void TrimCapturedWord(std::string* text, LetterTest isLetter) {
  for (char& c : *text) c = static_cast<char>(Lowered(static_cast<unsigned char>(c)));
  auto letter = [isLetter](char c) { return isLetter(static_cast<unsigned char>(c)); };
  auto first = std::find_if(text->begin(), text->end(), letter);
  if (first == text->end()) {
    text->clear();
    return;
  }
  auto last = std::find_if(text->rbegin(), text->rend(), letter).base();
  *text = std::string(first, last);
}

std::string CleanArticleText(const std::string& article) {
  const size_t tab = article.find(static_cast<char>(kTab));
  size_t start = 0;
  if (tab != std::string::npos) {
    const size_t lineEnd = article.find_first_of("\r\n");
    // Meaning that stands on its own lines before the first TAB is kept:
    // only the head word's line goes.
    if (lineEnd < tab) {
      start = lineEnd + (article.compare(lineEnd, 2, "\r\n") == 0 ? 2 : 1);
    } else {
      start = tab;
    }
  }
  std::string cleaned;
  cleaned.reserve(article.size() - start);
  for (size_t i = start; i < article.size(); ++i) {
    const auto c = static_cast<unsigned char>(article[i]);
    if (c != kTab && c != kMiddleDot) cleaned += article[i];
  }
  return cleaned;
}

TipText LookUpText(const std::string& captured, const Finder& find) {
  TipText tip{captured, " "};
  FoundArticle found = find(FindKind::kExact, captured);
  if (!found.found) {
    for (std::string word = captured; !word.empty(); word.pop_back()) {
      found = find(FindKind::kNear, word);
      if (found.found) break;
    }
    if (found.found && !found.word.empty()) tip.header = found.word;
  }
  if (!found.found || found.article.size() < kShortestArticle) {
    tip.header = captured;
    return tip;
  }
  tip.body = CleanArticleText(found.article);
  return tip;
}

TipRect PlaceTipRect(long x, long y, long cx, long cy, long screenWidth, long screenHeight,
                     const ScreenRect* foreground) {
  cy = std::min(cy, screenHeight);
  if (x < 0 && y < 0) {
    const ScreenRect around =
        foreground ? *foreground : ScreenRect{0, 0, screenWidth, screenHeight};
    x = (around.left + around.right - cx) / 2;
    y = (around.top + around.bottom - cy) / 2;
  }
  // Pulled back from the right and bottom edges first, then onto the left
  // and top ones: a tip wider than the screen keeps its header in view.
  x = Clamp(x, 0, std::max(0L, screenWidth - cx));
  y = Clamp(y, 0, std::max(0L, screenHeight - cy));
  return {x, y, cx, cy};
}

}  // namespace morvex::solo
