#include "ArticleScan.h"

#include <algorithm>
#include <numeric>

namespace morvex::lookuppane {

namespace {

constexpr char kCarriageReturn = 13;

}  // namespace

std::vector<ArticleRun> ScanArticle(char* text, size_t length) {
  std::vector<ArticleRun> runs;
  if (length == 0) {
    runs.push_back({0, 0, kTranslation});
    return runs;
  }
  int32_t carriageReturns = 0;
  int32_t lastBlank = -1;
  int32_t tail = -1;
  bool headWordPending = true;
  ArticleRun current = {0, 0, kHeadWord};
  for (size_t i = 0; i < length; ++i) {
    const int32_t p = static_cast<int32_t>(i) - carriageReturns;
    switch (text[i]) {
      case kCarriageReturn:
        carriageReturns += 1;
        // The head word goes no further than its line: what follows the
        // first line end is the article's body.
        if (headWordPending) {
          runs.push_back({current.start, p, kHeadWord});
          headWordPending = false;
          current.start = p;
        }
        break;
      case ' ':
        lastBlank = p;
        break;
      case ')':
        // A label runs from the last blank, but never back over what the
        // runs before it formatted: with no blank before it on its line it
        // would reach back to the head word.
        runs.push_back({std::max(lastBlank, current.start), p + 1, kLabel});
        current.start = p + 2;
        break;
      case '\\':
        text[i] = ' ';
        tail = p + 1;
        break;
      case '{':
        if (i > 0) {
          if (headWordPending) {
            runs.push_back({current.start, p - 1, kHeadWord});
            headWordPending = false;
          } else {
            runs.push_back({current.start, p, kTranslation});
          }
        }
        text[i] = ' ';
        current.start = p;
        break;
      case '}':
        runs.push_back({current.start, p, kBraced});
        text[i] = ' ';
        current.start = p + 1;
        break;
      default:
        break;
    }
  }
  const int32_t end = static_cast<int32_t>(length) - carriageReturns;
  if (tail < 0) {
    runs.push_back({current.start, end, kTranslation});
  } else {
    // One line end is not enough for a translation run before the
    // reference: the translation then keeps the view's default format.
    if (carriageReturns > 1) runs.push_back({current.start, tail - 1, kTranslation});
    runs.push_back({tail, end, kReference});
  }
  return runs;
}

ArticleSide SideOfKind(int32_t kind) {
  return kind == kHeadWord || kind == kReference ? ArticleSide::kInput : ArticleSide::kOutput;
}

std::vector<ArticleSide> SidesOfBytes(const char* text, size_t length,
                                      const std::vector<ArticleRun>& runs) {
  // Each byte's position as the scan counts it: its index less the
  // carriage returns before it (a line feed shares its return's position).
  std::vector<size_t> positionOfByte(length);
  size_t carriageReturns = 0, positions = 0;
  for (size_t i = 0; i < length; ++i) {
    positionOfByte[i] = i - carriageReturns;
    positions = std::max(positions, positionOfByte[i] + 1);
    if (text[i] == kCarriageReturn) ++carriageReturns;
  }
  // The side of each position: the last run wins, so the runs are laid
  // down from the last to the first, each filling only positions no later
  // run took. `next` skips the positions already taken (path halving), so
  // overlapping runs cost no more than the text is long.
  std::vector<ArticleSide> sideOfPosition(positions, ArticleSide::kOutput);
  std::vector<size_t> next(positions + 1);
  std::iota(next.begin(), next.end(), size_t{0});
  auto findFree = [&next](size_t at) {
    while (next[at] != at) {
      next[at] = next[next[at]];
      at = next[at];
    }
    return at;
  };
  for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
    const size_t first = static_cast<size_t>(std::max<int32_t>(run->start, 0));
    const size_t last = std::min(static_cast<size_t>(std::max<int32_t>(run->end, 0)), positions);
    if (first >= last) continue;
    for (size_t at = findFree(first); at < last; at = findFree(at)) {
      sideOfPosition[at] = SideOfKind(run->kind);
      next[at] = at + 1;
    }
  }
  std::vector<ArticleSide> sides(length);
  for (size_t i = 0; i < length; ++i) sides[i] = sideOfPosition[positionOfByte[i]];
  return sides;
}

size_t ByteOfPosition(const char* text, size_t length, int32_t position) {
  if (position <= 0) return 0;
  size_t carriageReturns = 0;
  for (size_t i = 0; i < length; ++i) {
    if (i - carriageReturns >= static_cast<size_t>(position)) return i;
    if (text[i] == kCarriageReturn) ++carriageReturns;
  }
  return length;
}

}  // namespace morvex::lookuppane
