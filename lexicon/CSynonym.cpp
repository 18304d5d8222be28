#include "lexicon/CSynonym.h"

#include "lexicon/ArticleText.h"
#include "lexicon/CWordComb.h"

CSynonym::CSynonym(uint8_t type) : type_(type), contextType_(kContextNone) {}

CSynonym::~CSynonym() { Free(); }

void CSynonym::SetContext(const char* chars, int length) {
  article_text::Assign(context_, chars, length);
}

void CSynonym::SetDefinition(const char* chars, int length) {
  article_text::Assign(definition_, chars, length);
}

void CSynonym::SetReference(const char* chars, int length) {
  article_text::Assign(reference_, chars, length);
}

CWordComb* CSynonym::GetAtWordComb(int index) const { return wordCombs_.At(index); }

CWordComb* CSynonym::AddNewWordComb() { return wordCombs_.AddNew(type_); }

void CSynonym::RemoveAtWordComb(int index) { wordCombs_.RemoveAt(index); }

const char* CSynonym::GetAtLabel(int index) const {
  if (index < 0 || index >= labels_.GetSize()) return nullptr;
  return labels_[index];
}

int CSynonym::AddLabel(const MCString& label) {
  if (labels_.GetSize() >= article_children::kMaxChildren) return -1;
  const int index = labels_.Add("");
  if (index >= 0) labels_[index] = label;  // keeps every byte of the label
  return index;
}

void CSynonym::RemoveAtLabel(int index) {
  if (index >= 0 && index < labels_.GetSize()) labels_.RemoveAt(index);
}

int CSynonym::HasLabel(const char* label) const {
  for (int i = 0; i < labels_.GetSize(); ++i) {
    if (labels_[i] == label) return 1;
  }
  return 0;
}

void CSynonym::Free() {
  wordCombs_.Clear();
  labels_.RemoveAll();
}

void CSynonym::Reset(uint8_t type) {
  type_ = type;
  contextType_ = kContextNone;
  article_text::Clear(context_);
  Free();
  article_text::Clear(definition_);
  article_text::Clear(reference_);
}

void CSynonym::Copy(const CSynonym* other) {
  if (other == this) return;
  Free();
  if (other == nullptr) return;
  type_ = other->type_;
  contextType_ = other->contextType_;
  context_ = other->context_;
  for (int i = 0; i < other->labels_.GetSize(); ++i) AddLabel(other->labels_[i]);
  wordCombs_.CopyAll(other->wordCombs_, type_);
  definition_ = other->definition_;
  reference_ = other->reference_;
}

int CSynonym::Merge(CSynonym*, int) { return 0; }

MCString CSynonym::GetWord(int index) const {
  const CWordComb* comb = GetAtWordComb(index);
  return comb ? comb->GetSynonym() : MCString();
}

MCString CSynonym::GetSynonymString() const {
  MCString joined;
  for (int i = 0; i < wordCombs_.GetSize(); ++i) {
    if (i > 0) joined += ' ';
    joined += GetAtWordComb(i)->GetSynonym();
  }
  return joined;
}

int CSynonym::IsWordComb() const {
  return wordCombs_.GetSize() == 1 && GetAtWordComb(0)->GetSyn() != 0 ? 1 : 0;
}
