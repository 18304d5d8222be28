#include "lexicon/CMeaning.h"

#include "lexicon/ArticleText.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"

CMeaning::CMeaning(uint8_t type) : type_(type), syn_(0), cursor_(0) {}

CMeaning::~CMeaning() { Free(); }

void CMeaning::SetAttr(const char* chars, int length) {
  article_text::Assign(attr_, chars, length);
}

CSynonymGroup* CMeaning::GetAtSynonymGroup(int index) const { return groups_.At(index); }

CSynonymGroup* CMeaning::AddNewSynonymGroup() { return groups_.AddNew(type_); }

void CMeaning::RemoveAtSynonymGroup(int index) { groups_.RemoveAt(index); }

void CMeaning::Free() {
  groups_.Clear();
  cursor_ = 0;
}

void CMeaning::Reset(uint8_t type) {
  type_ = type;
  syn_ = 0;
  article_text::Clear(attr_);
  Free();
}

void CMeaning::Copy(const CMeaning* other) {
  if (other == this) return;
  Free();
  if (other == nullptr) return;
  type_ = other->type_;
  syn_ = other->syn_;
  attr_ = other->attr_;
  groups_.CopyAll(other->groups_, type_);
}

int CMeaning::Merge(CMeaning* other, int append) {
  if (other == nullptr || other == this) return 0;
  return groups_.Merge(
      other->groups_, type_, append,
      [](const CSynonymGroup& mine, const CSynonymGroup& theirs) {
        return mine.GetGroupNumber() == theirs.GetGroupNumber();
      },
      [](CSynonymGroup&) {});
}

CSynonym* CMeaning::GetFirst() {
  cursor_ = 0;
  return GetNext();
}

CSynonym* CMeaning::GetNext() {
  const CSynonymGroup* group = GetAtSynonymGroup(0);
  CSynonym* synonym = group ? group->GetAtSynonym(cursor_) : nullptr;
  if (synonym != nullptr) ++cursor_;
  return synonym;
}

CSynonym* CMeaning::SelectSynonymContext(const char* context) const {
  const CSynonymGroup* group = GetAtSynonymGroup(0);
  if (group == nullptr) return nullptr;
  for (int i = 0; i < group->GetSizeSynonym(); ++i) {
    if (group->GetAtSynonym(i)->GetContext() == context) return group->GetAtSynonym(i);
  }
  return nullptr;
}

CSynonym* CMeaning::SelectSynonymLabel(const char* label) const {
  const CSynonymGroup* group = GetAtSynonymGroup(0);
  const int index = FirstWithLabel(label);
  return group ? group->GetAtSynonym(index) : nullptr;
}

int CMeaning::FirstWithLabel(const char* label) const {
  const CSynonymGroup* group = GetAtSynonymGroup(0);
  if (group == nullptr) return 0;
  int index = 0;
  while (index < group->GetSizeSynonym() && !group->GetAtSynonym(index)->HasLabel(label)) ++index;
  return index;
}

void CMeaning::CopyFromStartToLabel(const CMeaning* other, const char* label) {
  if (other != nullptr) CopyPartOfFirstGroup(*other, label, false);
}

void CMeaning::CopyFromLabelToEnd(const CMeaning* other, const char* label) {
  if (other != nullptr) CopyPartOfFirstGroup(*other, label, true);
}

void CMeaning::CopyPartOfFirstGroup(const CMeaning& other, const char* label, bool fromLabel) {
  if (&other == this) {
    CMeaning source(type_);
    source.Copy(this);
    CopyPartOfFirstGroup(source, label, fromLabel);
    return;
  }
  Free();
  type_ = other.type_;
  syn_ = other.syn_;
  attr_ = other.attr_;
  const CSynonymGroup* from = other.GetAtSynonymGroup(0);
  if (from == nullptr) return;
  const int cut = other.FirstWithLabel(label);
  const int first = fromLabel ? cut : 0;
  const int end = fromLabel ? from->GetSizeSynonym() : cut;
  if (first >= end) return;  // the group would be empty
  CSynonymGroup* group = AddNewSynonymGroup();
  if (group == nullptr) return;
  group->SetGroupNumber(from->GetGroupNumber());
  group->SetDefinition(from->GetDefinition());
  for (int i = first; i < end; ++i) {
    CSynonym* copy = group->AddNewSynonym();
    if (copy == nullptr) return;
    copy->Copy(from->GetAtSynonym(i));
  }
}

int CMeaning::CopyFromStartToLabel(MCObArray& synonyms, const char* label) const {
  return CollectPartOfFirstGroup(synonyms, label, false);
}

int CMeaning::CopyFromLabelToEnd(MCObArray& synonyms, const char* label) const {
  return CollectPartOfFirstGroup(synonyms, label, true);
}

int CMeaning::CollectPartOfFirstGroup(MCObArray& synonyms, const char* label,
                                      bool fromLabel) const {
  const CSynonymGroup* group = GetAtSynonymGroup(0);
  if (group != nullptr) {
    const int cut = FirstWithLabel(label);
    const int first = fromLabel ? cut : 0;
    const int end = fromLabel ? group->GetSizeSynonym() : cut;
    for (int i = first; i < end; ++i) synonyms.Add(group->GetAtSynonym(i));
  }
  return synonyms.GetSize();
}
