#include "lexicon/CSynonymGroup.h"

#include "lexicon/ArticleText.h"
#include "lexicon/CSynonym.h"

CSynonymGroup::CSynonymGroup(uint8_t type) : type_(type), number_(0) {}

CSynonymGroup::~CSynonymGroup() { Free(); }

void CSynonymGroup::SetDefinition(const char* chars, int length) {
  article_text::Assign(definition_, chars, length);
}

CSynonym* CSynonymGroup::GetAtSynonym(int index) const { return synonyms_.At(index); }

CSynonym* CSynonymGroup::AddNewSynonym() { return synonyms_.AddNew(type_); }

void CSynonymGroup::RemoveAtSynonym(int index) { synonyms_.RemoveAt(index); }

void CSynonymGroup::Free() { synonyms_.Clear(); }

void CSynonymGroup::Reset(uint8_t type) {
  type_ = type;
  number_ = 0;
  article_text::Clear(definition_);
  Free();
}

void CSynonymGroup::Copy(const CSynonymGroup* other) {
  if (other == this) return;
  Free();
  if (other == nullptr) return;
  type_ = other->type_;
  number_ = other->number_;
  definition_ = other->definition_;
  synonyms_.CopyAll(other->synonyms_, type_);
}

int CSynonymGroup::Merge(CSynonymGroup* other, int append) {
  if (other == nullptr || other == this) return 0;
  return synonyms_.Merge(
      other->synonyms_, type_, append,
      [](const CSynonym& mine, const CSynonym& theirs) {
        return mine.GetSynonymString() == theirs.GetSynonymString();
      },
      [](CSynonym&) {});
}
