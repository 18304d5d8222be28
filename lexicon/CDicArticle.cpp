// The current article of a dictionary and the reading of its record.
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/EntryRecord.h"

int CDic::LoadEntry() {
  if (entry_ == nullptr) return 0;
  if (entry_->IsLoaded()) return 1;
  if (!open_ || recordOffset_ < 0) return 0;
  entry_->SetLoaded(1);
  // A record ends, at the latest, where the index or the file does.
  long end = file_.GetLength();
  if (header_.indexOffset > recordOffset_ && header_.indexOffset < end) end = header_.indexOffset;
  if (recordOffset_ >= end || file_.Seek(recordOffset_, MCFile::kBegin) != recordOffset_) return 0;
  return ReadEntryRecord(file_, static_cast<unsigned>(end - recordOffset_), *entry_);
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
