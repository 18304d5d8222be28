// The searches of a dictionary: the word index finds the word, and the
// record at its offset becomes the current article.
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"

namespace {

// Exact and near searches name the article's head word; flexion and prefix
// searches do not. Without a kind, the word-only flag means exact.
bool NamesHeadWord(int32_t flags) {
  if (flags & (kMDFindExact | kMDFindNear)) return true;
  return (flags & (kMDFindFlexion | kMDFindPrefix)) == 0 && (flags & kMDFindWordOnly) != 0;
}

}  // namespace

int CDic::Find(int32_t flags, const char* word, const char** outWord) {
  if (!ResetEntry()) return 0;
  RecordArticles articles(*this);
  const int32_t offset = index_.Find(flags, word, outWord, &articles);
  if (offset == CDicIndex::kNotFound) {
    // The filter may have left a candidate it passed over.
    ResetEntry();
    return 0;
  }
  const char* headWord = NamesHeadWord(flags) ? index_.GetCurrentWord() : "";
  return TakeRecord(offset, headWord, flags);
}

int CDic::Next(const char** outWord) { return Step(true, outWord); }

int CDic::Prev(const char** outWord) { return Step(false, outWord); }

int CDic::Step(bool forward, const char** outWord) {
  if (!ResetEntry()) return 0;
  RecordArticles articles(*this);
  const int32_t offset =
      forward ? index_.Next(outWord, &articles) : index_.Prev(outWord, &articles);
  if (offset == CDicIndex::kNotFound) {
    ResetEntry();
    return 0;
  }
  return TakeRecord(offset, index_.GetCurrentWord(), index_.GetSearchMode());
}

int CDic::TakeRecord(int32_t offset, const char* headWord, int32_t flags) {
  if (IsWordList()) return 1;
  if ((flags & kMDFindWordOnly) == 0) return HoldRecord(offset, headWord, flags);
  SelectRecord(offset, headWord);
  return 1;
}
