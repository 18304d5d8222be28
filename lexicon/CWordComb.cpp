#include "lexicon/CWordComb.h"

CWordComb::CWordComb(uint8_t type) : type_(type), syn_(0), attrType_(kAttrNone) {}

CWordComb::~CWordComb() = default;

void CWordComb::Copy(const CWordComb* other) {
  if (other == nullptr || other == this) return;
  type_ = other->type_;
  syn_ = other->syn_;
  synonym_ = other->synonym_;
  attrType_ = other->attrType_;
  attr_ = other->attr_;
}
