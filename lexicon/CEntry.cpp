#include "lexicon/CEntry.h"

#include "lexicon/ArticleText.h"
#include "lexicon/CMeaning.h"

CEntry::CEntry(uint8_t type) : loaded_(0), type_(type), syn_(0) {}

CEntry::~CEntry() { Free(); }

void CEntry::SetAttr(const char* chars, int length) { article_text::Assign(attr_, chars, length); }

void CEntry::SetReference(const char* chars, int length) {
  article_text::Assign(reference_, chars, length);
}

CMeaning* CEntry::GetAtMeaning(int index) const { return meanings_.At(index); }

CMeaning* CEntry::AddNewMeaning() { return meanings_.AddNew(type_); }

void CEntry::RemoveAtMeaning(int index) { meanings_.RemoveAt(index); }

CMeaning* CEntry::GetMeaning(char syn) const {
  for (int i = 0; i < meanings_.GetSize(); ++i) {
    if (GetAtMeaning(i)->GetSyn() == syn) return GetAtMeaning(i);
  }
  return nullptr;
}

CMeaning* CEntry::SelectMeaning(char syn) const {
  CMeaning* meaning = GetMeaning(syn);
  return meaning ? meaning : GetAtMeaning(0);
}

void CEntry::Free() { meanings_.Clear(); }

void CEntry::Copy(const CEntry* other) {
  if (other == this) return;
  Free();
  if (other == nullptr) return;
  loaded_ = other->loaded_;
  type_ = other->type_;
  syn_ = other->syn_;
  attr_ = other->attr_;
  meanings_.CopyAll(other->meanings_, type_);
  reference_ = other->reference_;
}

int CEntry::Merge(CEntry* other, int append) {
  if (other == nullptr || other == this) return 0;
  const bool attrsDiffer = attr_ != other->attr_;
  const MCString& otherAttr = other->attr_;
  return meanings_.Merge(
      other->meanings_, type_, append,
      [](const CMeaning& mine, const CMeaning& theirs) { return mine.GetSyn() == theirs.GetSyn(); },
      [attrsDiffer, &otherAttr](CMeaning& copy) {
        if (attrsDiffer && copy.GetAttr().IsEmpty()) copy.SetAttr(otherAttr);
      });
}

CDicEntry::CDicEntry(uint8_t type) : CEntry(type) {}

CDicEntry::~CDicEntry() = default;

void CDicEntry::SetInWord(const char* chars, int length) {
  article_text::Assign(inWord_, chars, length);
}

void CDicEntry::Copy(const CDicEntry* other) {
  if (other == this) return;
  CEntry::Copy(other);
  inWord_ = other ? other->inWord_ : MCString();
}
