// DicEditPlan: what an edit request makes of a dictionary's word list, before
// any file is touched. CDic's editing (lexicon/CDicEdit.cpp) lists the words
// of the index with their record offsets, plans the request against them and
// then writes the planned words, in order, into the new file.
//
// Words are matched by byte equality and ordered by the dictionary's total
// word order (lexicon/DicWordOrder.h), so no different word is skipped or
// replaced. A bulk request is sorted once and merged into the listing:
// O(n + m log m) for m request words over n listed ones.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDicWordOrder;

namespace dicedit {

enum : int32_t { kNewRecord = -1 };  // DicWord::oldOffset of a word whose record is written anew

// A word of the dictionary and where its record comes from: the record at
// oldOffset in the old file, or (kNewRecord) the request's article `article`.
struct DicWord {
  std::string word;
  int32_t oldOffset;
  int article;  // index into DicEditRequest::articles, -1 for a copied record
};

struct DicEditRequest {
  enum class Kind { kAdd, kEdit, kDelete };
  Kind kind = Kind::kAdd;
  // Add: the words, each with the article of the same index; delete: the
  // words; edit: the new word alone, with its article.
  std::vector<std::string> words;
  std::vector<std::string> articles;
  std::string oldWord;  // edit only
};

enum class PlanResult {
  kChanged,    // `words` holds the new word list
  kUnchanged,  // nothing to do: every word to add present, every word to delete absent
  kRefused,    // an edit of an absent word, or onto another present word
};

// Brings a listing into the word order: a listing in another order (a file
// from elsewhere, or ordered under other language data) is sorted stably,
// and byte-equal repeats are dropped, the first kept.
void NormalizeListing(const CDicWordOrder& order, std::vector<DicWord>* listed);

// Applies the request to `words`, a normalized listing. On kChanged the
// words are the new list in order; otherwise they are as they were.
// Adding skips words already present (and later repeats within the request).
PlanResult PlanEdit(const CDicWordOrder& order, const DicEditRequest& request,
                    std::vector<DicWord>* words);

}  // namespace dicedit
