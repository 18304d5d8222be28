#include "lexicon/CSynonymGroup.h"

#include "lexicon/ArticleChildren.h"
#include "lexicon/CSynonym.h"

namespace children = article_children;

CSynonymGroup::CSynonymGroup(uint8_t type) : type_(type), number_(0) {}

CSynonymGroup::~CSynonymGroup() { Free(); }

CSynonym* CSynonymGroup::GetAtSynonym(int index) const {
  return children::At<CSynonym>(synonyms_, index);
}

CSynonym* CSynonymGroup::AddNewSynonym() { return children::AddNew<CSynonym>(synonyms_, type_); }

void CSynonymGroup::RemoveAtSynonym(int index) { children::RemoveAt(synonyms_, index); }

void CSynonymGroup::Free() { children::DeleteAll(synonyms_); }

void CSynonymGroup::Copy(const CSynonymGroup* other) {
  if (other == this) return;
  Free();
  if (other == nullptr) return;
  type_ = other->type_;
  number_ = other->number_;
  definition_ = other->definition_;
  children::CopyAll<CSynonym>(synonyms_, other->synonyms_, type_);
}

int CSynonymGroup::Merge(CSynonymGroup* other, int append) {
  if (other == nullptr || other == this) return 0;
  return children::Merge<CSynonym>(
      synonyms_, other->synonyms_, type_, append,
      [](const CSynonym& mine, const CSynonym& theirs) {
        return mine.GetSynonymString() == theirs.GetSynonymString();
      },
      [](CSynonym&) {});
}
