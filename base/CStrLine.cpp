#include "base/CStrLine.h"

#include <cstring>

CStrLine::CStrLine(char breaker) : breaker_(breaker != '\0' ? MCString(breaker, 1) : "\r\n") {
  UpdateStep();
}

CStrLine::~CStrLine() = default;

void CStrLine::SetMode(long mode) {
  mode_ = mode;
  UpdateStep();
}

int CStrLine::SetBreaker(MCString breaker) {
  if (breaker.IsEmpty()) return 0;
  breaker_ = breaker;
  UpdateStep();
  return 1;
}

void CStrLine::UpdateStep() { step_ = (mode_ & kBreakerIsSet) ? 1 : breaker_.GetLength(); }

MCString CStrLine::GetFirst(MCString text) {
  text_ = text;
  textLength_ = text_.GetLength();
  piece_.Empty();
  atEnd_ = 0;
  position_ = 0;
  pieceStart_ = 0;
  return GetNext();
}

int CStrLine::FindBreak() const {
  if (!(mode_ & kBreakerIsSet)) return text_.Find(breaker_, position_);
  // The set search already finds any occurrence of the breaker as a string,
  // whose first character belongs to the set.
  const char* chars = text_;
  const char* found = std::strpbrk(chars + position_, breaker_);
  return found ? static_cast<int>(found - chars) : -1;
}

MCString CStrLine::GetNext() {
  if (position_ >= textLength_) {
    piece_.Empty();
    text_.Empty();
    atEnd_ = 1;
    return piece_;
  }
  int found = FindBreak();
  if (found < 0) {
    piece_ = text_.Mid(pieceStart_);
    position_ = textLength_;
    return piece_;
  }
  int kept = (mode_ & kKeepBreaker) ? step_ : 0;
  piece_ = text_.Mid(pieceStart_, found - pieceStart_ + kept);
  position_ = found + step_;
  pieceStart_ = position_;
  return piece_;
}
