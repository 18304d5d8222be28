#include "lexicon/CEntry.h"

#include "lexicon/ArticleChildren.h"
#include "lexicon/CMeaning.h"

namespace children = article_children;

CEntry::CEntry(uint8_t type) : loaded_(0), type_(type), syn_(0) {}

CEntry::~CEntry() { Free(); }

CMeaning* CEntry::GetAtMeaning(int index) const { return children::At<CMeaning>(meanings_, index); }

CMeaning* CEntry::AddNewMeaning() { return children::AddNew<CMeaning>(meanings_, type_); }

void CEntry::RemoveAtMeaning(int index) { children::RemoveAt(meanings_, index); }

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

void CEntry::Free() { children::DeleteAll(meanings_); }

void CEntry::Copy(const CEntry* other) {
  if (other == this) return;
  Free();
  if (other == nullptr) return;
  loaded_ = other->loaded_;
  type_ = other->type_;
  syn_ = other->syn_;
  attr_ = other->attr_;
  children::CopyAll<CMeaning>(meanings_, other->meanings_, type_);
  reference_ = other->reference_;
}

int CEntry::Merge(CEntry* other, int append) {
  if (other == nullptr || other == this) return 0;
  const bool attrsDiffer = attr_ != other->attr_;
  const MCString& otherAttr = other->attr_;
  return children::Merge<CMeaning>(
      meanings_, other->meanings_, type_, append,
      [](const CMeaning& mine, const CMeaning& theirs) { return mine.GetSyn() == theirs.GetSyn(); },
      [attrsDiffer, &otherAttr](CMeaning& copy) {
        if (attrsDiffer && copy.GetAttr().IsEmpty()) copy.SetAttr(otherAttr);
      });
}

CDicEntry::CDicEntry(uint8_t type) : CEntry(type) {}

CDicEntry::~CDicEntry() = default;

void CDicEntry::Copy(const CDicEntry* other) {
  if (other == this) return;
  CEntry::Copy(other);
  inWord_ = other ? other->inWord_ : MCString();
}
