// Format ceilings of a dictionary (tools/dictd/FormatCeilings.h).
#include "tools/dictd/FormatCeilings.h"

#include <algorithm>

namespace {

constexpr uint64_t kFirstRecordOffset = 176;  // records follow the header
constexpr uint64_t kNodeHeader = 1;           // a node's first byte
constexpr uint64_t kOffsetBytes = 3;          // an article offset
constexpr uint64_t kChildEntryBytes = 4;      // a child's position and character

// The shape of the subtree of words [first, end) at depth `depth`; the
// children's subtrees one after the other. Deep only as the longest word.
void MeasureRange(const std::vector<std::string>& words, size_t first, size_t end, size_t depth,
                  TrieShape* shape) {
  if (end - first == 1) {
    const size_t rest = words[first].size() > depth ? words[first].size() - depth : 0;
    shape->bytes += kNodeHeader + kOffsetBytes + rest;
    return;
  }
  unsigned children = 0;
  size_t childStart = first;
  std::vector<std::pair<size_t, size_t>> ranges;
  while (childStart < end) {
    size_t childEnd = childStart + 1;
    if (words[childStart].size() > depth) {
      const char ch = words[childStart][depth];
      while (childEnd < end && words[childEnd].size() > depth && words[childEnd][depth] == ch) {
        ++childEnd;
      }
    }
    ranges.emplace_back(childStart, childEnd);
    ++children;
    childStart = childEnd;
  }
  shape->maxChildren = std::max(shape->maxChildren, children);
  shape->bytes += kNodeHeader + kChildEntryBytes * children;
  for (const auto& [childFirst, childEnd] : ranges) {
    MeasureRange(words, childFirst, childEnd, depth + 1, shape);
  }
}

// The prefixes whose node has more than `limit` children, and the words
// beyond the limit there.
void FindCrowdedWords(const std::vector<std::string>& words, size_t first, size_t end, size_t depth,
                      unsigned limit, std::vector<bool>* crowded) {
  if (end - first <= 1) return;
  unsigned children = 0;
  for (size_t childStart = first; childStart < end;) {
    size_t childEnd = childStart + 1;
    if (words[childStart].size() > depth) {
      const char ch = words[childStart][depth];
      while (childEnd < end && words[childEnd].size() > depth && words[childEnd][depth] == ch) {
        ++childEnd;
      }
    }
    if (++children > limit) {
      for (size_t i = childStart; i < childEnd; ++i) (*crowded)[i] = true;
    } else if (childEnd - childStart > 1) {
      FindCrowdedWords(words, childStart, childEnd, depth + 1, limit, crowded);
    }
    childStart = childEnd;
  }
}

std::vector<std::string> WordsOf(const std::vector<ConvertedArticle>& articles) {
  std::vector<std::string> words;
  words.reserve(articles.size());
  for (const ConvertedArticle& article : articles) words.push_back(article.word);
  return words;
}

void LeaveOut(ConvertedDictionary* dictionary, const std::vector<bool>& leftOut,
              const std::string& reason) {
  std::vector<ConvertedArticle> kept;
  kept.reserve(dictionary->articles.size());
  for (size_t i = 0; i < dictionary->articles.size(); ++i) {
    if (leftOut[i]) {
      dictionary->problems.push_back(dictionary->articles[i].sourceWord + ": " + reason);
    } else {
      kept.push_back(std::move(dictionary->articles[i]));
    }
  }
  dictionary->articles = std::move(kept);
}

// Keeps the first `count` articles; the rest are listed as one run.
void KeepFirst(ConvertedDictionary* dictionary, size_t count, const std::string& reason) {
  std::vector<ConvertedArticle>& articles = dictionary->articles;
  if (count >= articles.size()) return;
  dictionary->problems.push_back(std::to_string(articles.size() - count) + " articles from \"" +
                                 articles[count].sourceWord + "\" to \"" +
                                 articles.back().sourceWord + "\": " + reason);
  articles.resize(count);
}

}  // namespace

TrieShape MeasureTrie(const std::vector<std::string>& sortedWords) {
  TrieShape shape;
  if (!sortedWords.empty()) MeasureRange(sortedWords, 0, sortedWords.size(), 0, &shape);
  return shape;
}

void ApplyFormatCeilings(const FormatLimits& limits, ConvertedDictionary* dictionary) {
  std::vector<bool> tooLong(dictionary->articles.size());
  for (size_t i = 0; i < tooLong.size(); ++i) {
    tooLong[i] = dictionary->articles[i].word.size() > limits.maxWordLength;
  }
  LeaveOut(dictionary, tooLong,
           "the head word is longer than " + std::to_string(limits.maxWordLength) + " characters");

  std::vector<bool> crowded(dictionary->articles.size());
  const std::vector<std::string> words = WordsOf(dictionary->articles);
  if (!words.empty()) {
    FindCrowdedWords(words, 0, words.size(), 0, limits.maxChildren, &crowded);
  }
  LeaveOut(dictionary, crowded,
           "more than " + std::to_string(limits.maxChildren) +
               " different characters follow its beginning in the word index");

  uint64_t recordEnd = kFirstRecordOffset;
  size_t fitting = 0;
  for (const ConvertedArticle& article : dictionary->articles) {
    if (recordEnd + article.recordSize > limits.recordRegionEnd) break;
    recordEnd += article.recordSize;
    ++fitting;
  }
  KeepFirst(dictionary, fitting, "the dictionary file's article region is full");

  // The trie of a prefix of the words grows with the prefix: the longest
  // prefix that fits is found by halving.
  const std::vector<std::string> kept = WordsOf(dictionary->articles);
  if (MeasureTrie(kept).bytes < limits.indexBytes) return;
  size_t low = 0;
  size_t high = kept.size();
  while (high - low > 1) {
    const size_t middle = low + (high - low) / 2;
    const std::vector<std::string> prefix(kept.begin(), kept.begin() + middle);
    (MeasureTrie(prefix).bytes < limits.indexBytes ? low : high) = middle;
  }
  KeepFirst(dictionary, low, "the word index is full");
}
