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

int32_t FormOf(int32_t flags) { return flags & kMDFindDictForm; }

}  // namespace

int CDic::LoadEntry() {
  if (entry_ == nullptr) return 0;
  if (entry_->IsLoaded()) return 1;
  if (!open_ || recordOffset_ < 0) return 0;
  entry_->SetLoaded(1);
  textForm_ = kNoText;
  entryWhole_ = ReadRecordAt(recordOffset_, *entry_);
  return entryWhole_;
}

int CDic::HoldRecord(int32_t offset, const char* headWord) {
  if (entry_ == nullptr) return 0;
  if (entry_->IsLoaded() && recordOffset_ == offset && entry_->GetInWord().Compare(headWord) == 0) {
    return entryWhole_;
  }
  if (!ResetEntry()) return 0;
  entry_->SetInWord(headWord);
  recordOffset_ = offset;
  return LoadEntry();
}

int CDic::ReadRecordAt(int32_t offset, CEntry& entry) {
  // Records are decoded from the mapped file; where the system cannot map
  // it, they are read through the file.
  if (!records_.IsMapped()) records_.Map(file_);
  const bool mapped = records_.IsMapped() != 0;
  // A record ends, at the latest, where the index or the file does.
  long end = mapped ? static_cast<long>(records_.GetSize()) : file_.GetLength();
  if (header_.indexOffset > offset && header_.indexOffset < end) end = header_.indexOffset;
  if (offset < 0 || offset >= end) return 0;
  const unsigned extent = static_cast<unsigned>(end - offset);
  if (mapped) return DecodeEntryRecord(records_.GetData() + offset, extent, entry);
  if (file_.Seek(offset, MCFile::kBegin) != offset) return 0;
  return ReadEntryRecord(file_, extent, entry);
}

const char* CDic::MergedText(int32_t flags) {
  if (entry_ == nullptr) return nullptr;
  if (textForm_ != FormOf(flags)) {
    entryText_ = ArticleText(*entry_, flags);
    textForm_ = FormOf(flags);
  }
  return entryText_;
}

// The text merged during the search is handed out once; a later call merges
// again, since the caller may have changed the article meanwhile.
const char* CDic::GetEntryText(int32_t flags) {
  const char* text = MergedText(flags);
  textForm_ = kNoText;
  return text;
}

const char* CDic::RecordArticles::GetArticleText(int32_t offset, const char* word, int32_t flags) {
  if (!dic_.HoldRecord(offset, word)) return nullptr;
  return dic_.MergedText(flags);
}

int CDic::ResetEntry() {
  recordOffset_ = kNoRecord;
  textForm_ = kNoText;
  entryWhole_ = 0;
  if (IsWordList()) return 1;
  if (entry_ != nullptr && entry_->GetType() == header_.type) {
    entry_->Free();
    entry_->SetLoaded(0);
    entry_->SetSyn(0);
    entry_->SetAttr(MCString());
    entry_->SetReference(MCString());
    entry_->SetInWord(MCString());
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
  textForm_ = kNoText;
}
