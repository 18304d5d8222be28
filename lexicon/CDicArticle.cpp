// The current article of a dictionary, the reading of its record, and the
// article as the searches hand it out in text.
#include <cstring>

#include "lexicon/ArticleDictionaryForm.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/ArticleText.h"
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/EntryRecord.h"
#include "lexicon/RecordStream.h"

namespace {

// The dictionary form names the head word; the plain form is the entry's
// text alone, as the editor takes it back.
MCString ArticleText(const CDicEntry& article, int32_t flags) {
  if (flags & kMDFindDictForm) return MergeString(article, flags);
  return MergeString(static_cast<const CEntry&>(article), flags);
}

int32_t FormOf(int32_t flags) { return flags & kMDFindDictForm; }

}  // namespace

CDicEntry* CDic::GetEntry() {
  if (entryPending_) LoadEntry();
  return entry_;
}

int CDic::LoadEntry() {
  if (entry_ == nullptr) return 0;
  if (entry_->IsLoaded()) return 1;
  if (!open_ || recordOffset_ < 0) return 0;
  entry_->SetLoaded(1);
  // A text written in place is this record's already.
  if (!entryPending_) textForm_ = kNoText;
  entryPending_ = 0;
  entryWhole_ = ReadRecordAt(recordOffset_, *entry_);
  return entryWhole_;
}

int CDic::HoldRecord(int32_t offset, const char* headWord, int32_t flags) {
  if (entry_ == nullptr) return 0;
  if ((entry_->IsLoaded() || entryPending_) && recordOffset_ == offset &&
      entry_->GetInWord().Compare(headWord) == 0) {
    return entryWhole_;
  }
  if (!ResetEntry()) return 0;
  SelectRecord(offset, headWord);
  if ((flags & kMDFindDictForm) && ShowRecordInPlace()) return entryWhole_;
  return LoadEntry();
}

void CDic::SelectRecord(int32_t offset, const char* headWord) {
  entry_->SetInWord(headWord, static_cast<int>(std::strlen(headWord)));
  recordOffset_ = offset;
}

const unsigned char* CDic::MappedRecord(int32_t offset, unsigned* extent) {
  if (!records_.IsMapped()) records_.Map(file_);
  if (!records_.IsMapped()) return nullptr;
  // A record ends, at the latest, where the index or the file does.
  long end = static_cast<long>(records_.GetSize());
  if (header_.indexOffset > offset && header_.indexOffset < end) end = header_.indexOffset;
  if (offset < 0 || offset >= end) return nullptr;
  *extent = static_cast<unsigned>(end - offset);
  return records_.GetData() + offset;
}

int CDic::ReadRecordAt(int32_t offset, CEntry& entry) {
  // Records are decoded from the mapped file; where the system cannot map
  // it, they are read through the file.
  unsigned extent = 0;
  if (const unsigned char* bytes = MappedRecord(offset, &extent)) {
    return DecodeEntryRecord(bytes, extent, entry);
  }
  if (records_.IsMapped()) return 0;  // outside the records
  long end = file_.GetLength();
  if (header_.indexOffset > offset && header_.indexOffset < end) end = header_.indexOffset;
  if (offset < 0 || offset >= end || file_.Seek(offset, MCFile::kBegin) != offset) return 0;
  return ReadEntryRecord(file_, static_cast<unsigned>(end - offset), entry);
}

bool CDic::ShowRecordInPlace() {
  unsigned extent = 0;
  const unsigned char* bytes = MappedRecord(recordOffset_, &extent);
  if (bytes == nullptr) return false;
  if (inPlaceText_ == nullptr) inPlaceText_ = new ArticleTextBuffer;
  const MCString& headWord = entry_->GetInWord();
  RecordStream record(bytes, extent, entry_->GetType(), headWord, headWord.GetLength());
  ArticleTextBuffer& text = *inPlaceText_;
  text.clear();
  article_dict_form::AppendDicEntry(text, record);
  if (!record.ReadWhole()) return false;
  article_text::Assign(entryText_, text.data(), static_cast<int>(text.size()));
  textForm_ = kMDFindDictForm;
  entryWhole_ = 1;
  entryPending_ = 1;
  return true;
}

const char* CDic::MergedText(int32_t flags) {
  if (entry_ == nullptr) return nullptr;
  if (textForm_ != FormOf(flags)) {
    if (entryPending_) LoadEntry();
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
  if (!dic_.HoldRecord(offset, word, flags)) return nullptr;
  return dic_.MergedText(flags);
}

int CDic::ResetEntry() {
  recordOffset_ = kNoRecord;
  textForm_ = kNoText;
  entryWhole_ = 0;
  entryPending_ = 0;
  if (IsWordList()) return 1;
  if (entry_ != nullptr && entry_->GetType() == header_.type) {
    entry_->Free();
    entry_->SetLoaded(0);
    // Emptied in place: the next article's texts take the room.
    entry_->SetSyn(0);
    if (!entry_->GetAttr().IsEmpty()) entry_->SetAttr("", 0);
    if (!entry_->GetReference().IsEmpty()) entry_->SetReference("", 0);
    if (!entry_->GetInWord().IsEmpty()) entry_->SetInWord("", 0);
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
  entryPending_ = 0;
  textForm_ = kNoText;
}
