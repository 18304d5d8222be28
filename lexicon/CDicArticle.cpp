// The current article of a dictionary, the reading of its record, and the
// article as the searches hand it out in text.
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/EntryRecord.h"

namespace {

// The dictionary form names the head word; the plain form is the entry's
// text alone, as the editor takes it back.
MCString ArticleText(const CDicEntry& article, int32_t flags) {
  if (flags & kMDFindDictForm) return MergeString(article, flags);
  return MergeString(static_cast<const CEntry&>(article), flags);
}

}  // namespace

int CDic::LoadEntry() {
  if (entry_ == nullptr) return 0;
  if (entry_->IsLoaded()) return 1;
  if (!open_ || recordOffset_ < 0) return 0;
  entry_->SetLoaded(1);
  return ReadRecordAt(recordOffset_, *entry_);
}

int CDic::ReadRecordAt(int32_t offset, CEntry& entry) {
  // A record ends, at the latest, where the index or the file does.
  long end = file_.GetLength();
  if (header_.indexOffset > offset && header_.indexOffset < end) end = header_.indexOffset;
  if (offset < 0 || offset >= end || file_.Seek(offset, MCFile::kBegin) != offset) return 0;
  return ReadEntryRecord(file_, static_cast<unsigned>(end - offset), entry);
}

const char* CDic::GetEntryText(int32_t flags) {
  if (entry_ == nullptr) return nullptr;
  entryText_ = ArticleText(*entry_, flags);
  return entryText_;
}

const char* CDic::RecordArticles::GetArticleText(int32_t offset, const char* word, int32_t flags) {
  CDicEntry article(dic_.header_.type);
  article.SetInWord(word);
  if (!dic_.ReadRecordAt(offset, article)) return nullptr;
  text_ = ArticleText(article, flags);
  return text_;
}

int CDic::ResetEntry() {
  recordOffset_ = kNoRecord;
  if (IsWordList()) return 1;
  if (entry_ != nullptr && !entry_->IsLoaded()) {
    // Never read: empty it in place rather than make another.
    const CDicEntry fresh(header_.type);
    entry_->Copy(&fresh);
    return 1;
  }
  CDicEntry* fresh = new CDicEntry(header_.type);
  if (fresh == nullptr) return 0;
  DeleteEntry();
  entry_ = fresh;
  return 1;
}

void CDic::DeleteEntry() {
  delete entry_;
  entry_ = nullptr;
}
