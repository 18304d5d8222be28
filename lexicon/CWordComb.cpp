#include "lexicon/CWordComb.h"

#include "lexicon/ArticleText.h"

CWordComb::CWordComb(uint8_t type) : type_(type), syn_(0), attrType_(kAttrNone) {}

CWordComb::~CWordComb() = default;

void CWordComb::SetSynonym(const char* chars, int length) {
  article_text::Assign(synonym_, chars, length);
}

void CWordComb::SetAttr(const char* chars, int length) {
  article_text::Assign(attr_, chars, length);
}

void CWordComb::Reset(uint8_t type) {
  type_ = type;
  syn_ = 0;
  article_text::Clear(synonym_);
  attrType_ = kAttrNone;
  article_text::Clear(attr_);
}

void CWordComb::Copy(const CWordComb* other) {
  if (other == nullptr || other == this) return;
  type_ = other->type_;
  syn_ = other->syn_;
  synonym_ = other->synonym_;
  attrType_ = other->attrType_;
  attr_ = other->attr_;
}
