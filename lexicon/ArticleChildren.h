// The owned children of one kind of an article node (meanings of an entry,
// groups of a meaning, synonyms of a group, combinations of a synonym):
// lookup, creation within the record's limit of 255 per kind, removal, deep
// copy and merge. Internal to the article classes.
//
// The dictionary reads one article after another into the same tree, so a
// list keeps the children it lets go (Clear) behind the live ones, and the
// next child made takes one back, emptied as new with its own spares and
// text buffers, instead of allocating a fresh one. Removal still deletes.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"

namespace article_children {

// A record stores each count in one byte.
constexpr int kMaxChildren = 255;

// T is made from a dictionary type and has Reset(type), which leaves it as
// a newly made one of that type, and Copy and Merge for Copy and Merge here.
template <class T>
class ChildList {
 public:
  ChildList() = default;
  ~ChildList() {
    for (int i = 0; i < items_.GetSize(); ++i) delete Item(i);
  }
  ChildList(const ChildList&) = delete;
  ChildList& operator=(const ChildList&) = delete;

  int GetSize() const { return live_; }
  // Null for an index out of range.
  T* At(int index) const { return index >= 0 && index < live_ ? Item(index) : nullptr; }

  // A new child of the given type put at `index` (at most the size); null
  // when the kind is full or memory ran out.
  T* InsertNew(int index, uint8_t type) {
    if (live_ >= kMaxChildren) return nullptr;
    T* child = live_ < items_.GetSize() ? TakeSpare(index, type) : InsertFresh(index, type);
    if (child != nullptr) ++live_;
    return child;
  }
  T* AddNew(uint8_t type) { return InsertNew(live_, type); }

  void RemoveAt(int index) {
    if (index < 0 || index >= live_) return;
    delete Item(index);
    items_.RemoveAt(index);
    --live_;
  }

  // Every child becomes a spare.
  void Clear() { live_ = 0; }

  // Replaces the children by deep copies of `from`'s, made with `type`.
  // `from` must not be this list.
  void CopyAll(const ChildList& from, uint8_t type) {
    Clear();
    for (int i = 0; i < from.GetSize(); ++i) {
      T* copy = AddNew(type);
      if (copy == nullptr) return;
      copy->Copy(from.At(i));
    }
  }

  // Merges the children of `theirs` into these: each one that `matches` a
  // child here is merged into the first such child (T::Merge) and removed
  // from theirs; copies of the rest, passed through `adapt`, are appended or
  // (append 0) put in front, in their order. Returns the number merged or
  // added. `theirs` must not be this list.
  template <class Matches, class Adapt>
  int Merge(ChildList& theirs, uint8_t type, int append, Matches matches, Adapt adapt) {
    int merged = 0;
    const int ownCount = live_;
    for (int i = 0; i < theirs.GetSize();) {
      T* incoming = theirs.At(i);
      T* target = nullptr;
      for (int j = 0; j < ownCount && target == nullptr; ++j) {
        if (matches(*At(j), *incoming)) target = At(j);
      }
      if (target == nullptr) {
        ++i;
        continue;
      }
      target->Merge(incoming, append);
      theirs.RemoveAt(i);
      ++merged;
    }
    int insertAt = append ? live_ : 0;
    for (int i = 0; i < theirs.GetSize(); ++i) {
      T* copy = InsertNew(insertAt++, type);
      if (copy == nullptr) break;
      copy->Copy(theirs.At(i));
      adapt(*copy);
      ++merged;
    }
    return merged;
  }

 private:
  T* Item(int index) const { return static_cast<T*>(items_[index]); }

  // The first spare, emptied and moved to `index`.
  T* TakeSpare(int index, uint8_t type) {
    T* child = Item(live_);
    child->Reset(type);
    for (int i = live_; i > index; --i) items_[i] = items_[i - 1];
    items_[index] = child;
    return child;
  }

  // Only while there are no spares, so `index` counts among the live ones.
  T* InsertFresh(int index, uint8_t type) {
    T* child = new T(type);
    if (child == nullptr) return nullptr;
    const int size = items_.GetSize();
    items_.InsertAt(index, child);
    if (items_.GetSize() != size + 1) {
      delete child;
      return nullptr;
    }
    return child;
  }

  MCObArray items_;  // of T, owned: the live children, then the spares
  int live_ = 0;
};

}  // namespace article_children
