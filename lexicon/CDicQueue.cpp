#include "lexicon/CDicQueue.h"

#include "lexicon/CDic.h"

CDicQueue::CDicQueue() : current_(nullptr), position_(0) {}

CDic* CDicQueue::GetAt(int index) const {
  return Holds(index) ? static_cast<CDic*>(dics_[index]) : nullptr;
}

int CDicQueue::Add(CDic* dic) { return dic != nullptr && dics_.Add(dic) >= 0 ? 1 : 0; }

void CDicQueue::RemoveLast() {
  const int last = dics_.GetSize() - 1;
  if (last < 0) return;
  if (current_ == dics_[last]) {
    current_ = nullptr;
    position_ = kNoPosition;
  }
  dics_.RemoveAt(last);
}

void CDicQueue::Clear() {
  dics_.RemoveAll();
  current_ = nullptr;
  position_ = 0;
}

void CDicQueue::SetCurrentDic(CDic* dic) {
  current_ = dic;
  position_ = kNoPosition;
  for (int i = 0; i < dics_.GetSize(); ++i) {
    if (dics_[i] == dic) {
      position_ = i;
      break;
    }
  }
}

int CDicQueue::SetCurrent(int position) {
  int target = position == kNoPosition ? position_ : position;
  if (!Holds(target)) target = 0;
  MoveTo(target);
  return position_;
}

int CDicQueue::RestoreCurrent() {
  if (!Holds(position_)) {
    current_ = nullptr;
    return kNoPosition;
  }
  current_ = GetAt(position_);
  return position_;
}

CDic* CDicQueue::First(int position) {
  MoveTo(position);
  return current_;
}

CDic* CDicQueue::Next() {
  MoveTo(position_ == kNoPosition ? kNoPosition : position_ + 1);
  return current_;
}

CDicEntry* CDicQueue::Find(const char* word, int32_t flags) {
  // A miss leaves no position; the next search then asks every dictionary
  // again instead of failing for good.
  MoveTo(Holds(position_) ? position_ : 0);
  if (current_ == nullptr) return nullptr;
  const int skipped = position_;
  if (skipped != 0 && current_->Find(flags, word, nullptr)) return current_->GetEntry();
  for (int i = 0; i < dics_.GetSize(); ++i) {
    if (i == skipped && skipped != 0) continue;
    CDic* dic = GetAt(i);
    if (dic->Find(flags, word, nullptr)) {
      MoveTo(i);
      return dic->GetEntry();
    }
  }
  MoveTo(kNoPosition);
  return nullptr;
}

void CDicQueue::MoveTo(int position) {
  if (Holds(position)) {
    position_ = position;
    current_ = GetAt(position);
  } else {
    position_ = kNoPosition;
    current_ = nullptr;
  }
}
