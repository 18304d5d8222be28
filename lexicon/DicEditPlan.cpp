#include "lexicon/DicEditPlan.h"

#include <algorithm>
#include <numeric>

#include "lexicon/DicWordOrder.h"

namespace dicedit {

namespace {

// Indexes of the request's words in word order; of byte-equal words the
// first given is kept, the later ones are dropped.
std::vector<size_t> SortedUniqueWords(const CDicWordOrder& order,
                                      const std::vector<std::string>& words) {
  std::vector<size_t> sorted(words.size());
  std::iota(sorted.begin(), sorted.end(), size_t{0});
  std::stable_sort(sorted.begin(), sorted.end(), [&](size_t a, size_t b) {
    return order.Less(words[a].c_str(), words[b].c_str());
  });
  sorted.erase(std::unique(sorted.begin(), sorted.end(),
                           [&](size_t a, size_t b) { return words[a] == words[b]; }),
               sorted.end());
  return sorted;
}

// The first listed word not before `word`.
std::vector<DicWord>::iterator LowerBound(const CDicWordOrder& order, std::vector<DicWord>& words,
                                          const std::string& word) {
  return std::lower_bound(words.begin(), words.end(), word,
                          [&](const DicWord& listed, const std::string& key) {
                            return order.Less(listed.word.c_str(), key.c_str());
                          });
}

bool IsAt(const std::vector<DicWord>& words, std::vector<DicWord>::iterator at,
          const std::string& word) {
  return at != words.end() && at->word == word;
}

PlanResult PlanAdd(const CDicWordOrder& order, const DicEditRequest& request,
                   std::vector<DicWord>* words) {
  const std::vector<size_t> added = SortedUniqueWords(order, request.words);
  std::vector<DicWord> merged;
  merged.reserve(words->size() + added.size());
  size_t listed = 0;
  bool changed = false;
  for (size_t index : added) {
    const std::string& word = request.words[index];
    while (listed < words->size() && order.Less((*words)[listed].word.c_str(), word.c_str())) {
      merged.push_back(std::move((*words)[listed++]));
    }
    if (listed < words->size() && (*words)[listed].word == word) continue;  // present: skipped
    merged.push_back(DicWord{word, kNewRecord, static_cast<int>(index)});
    changed = true;
  }
  if (!changed) return PlanResult::kUnchanged;
  while (listed < words->size()) merged.push_back(std::move((*words)[listed++]));
  words->swap(merged);
  return PlanResult::kChanged;
}

PlanResult PlanDelete(const CDicWordOrder& order, const DicEditRequest& request,
                      std::vector<DicWord>* words) {
  const std::vector<size_t> deleted = SortedUniqueWords(order, request.words);
  std::vector<bool> goes(words->size(), false);
  bool changed = false;
  size_t next = 0;  // in `deleted`
  for (size_t i = 0; i < words->size(); ++i) {
    const std::string& word = (*words)[i].word;
    while (next < deleted.size() &&
           order.Less(request.words[deleted[next]].c_str(), word.c_str())) {
      ++next;
    }
    if (next < deleted.size() && request.words[deleted[next]] == word) goes[i] = changed = true;
  }
  if (!changed) return PlanResult::kUnchanged;
  size_t kept = 0;
  for (size_t i = 0; i < words->size(); ++i) {
    if (goes[i]) continue;
    if (kept != i) (*words)[kept] = std::move((*words)[i]);
    ++kept;
  }
  words->resize(kept);
  return PlanResult::kChanged;
}

PlanResult PlanEditWord(const CDicWordOrder& order, const DicEditRequest& request,
                        std::vector<DicWord>* words) {
  if (request.words.size() != 1 || request.articles.size() != 1) return PlanResult::kRefused;
  const std::string& newWord = request.words[0];
  const auto old = LowerBound(order, *words, request.oldWord);
  if (!IsAt(*words, old, request.oldWord)) return PlanResult::kRefused;
  const DicWord edited{newWord, kNewRecord, 0};
  if (newWord == request.oldWord) {
    *old = edited;
    return PlanResult::kChanged;
  }
  if (IsAt(*words, LowerBound(order, *words, newWord), newWord)) return PlanResult::kRefused;
  words->erase(old);
  words->insert(LowerBound(order, *words, newWord), edited);
  return PlanResult::kChanged;
}

}  // namespace

void NormalizeListing(const CDicWordOrder& order, std::vector<DicWord>* listed) {
  const auto less = [&](const DicWord& a, const DicWord& b) {
    return order.Less(a.word.c_str(), b.word.c_str());
  };
  if (!std::is_sorted(listed->begin(), listed->end(), less)) {
    std::stable_sort(listed->begin(), listed->end(), less);
  }
  listed->erase(std::unique(listed->begin(), listed->end(),
                            [](const DicWord& a, const DicWord& b) { return a.word == b.word; }),
                listed->end());
}

PlanResult PlanEdit(const CDicWordOrder& order, const DicEditRequest& request,
                    std::vector<DicWord>* words) {
  switch (request.kind) {
    case DicEditRequest::Kind::kAdd:
      return PlanAdd(order, request, words);
    case DicEditRequest::Kind::kDelete:
      return PlanDelete(order, request, words);
    case DicEditRequest::Kind::kEdit:
      return PlanEditWord(order, request, words);
  }
  return PlanResult::kRefused;
}

}  // namespace dicedit
