// The owned children of an article node (meanings of an entry, groups of a
// meaning, synonyms of a group, combinations of a synonym), kept in an
// MCObArray of the node: lookup, creation within the record's limit of 255
// per kind, removal, deep copy and merge. Internal to the article classes.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"

namespace article_children {

// A record stores each count in one byte.
constexpr int kMaxChildren = 255;

// Null for an index out of range.
template <class T>
T* At(const MCObArray& children, int index) {
  if (index < 0 || index >= children.GetSize()) return nullptr;
  return static_cast<T*>(children[index]);
}

// A new child of the given type put at `index` (at most the size); null when
// the kind is full or memory ran out.
template <class T>
T* InsertNew(MCObArray& children, int index, uint8_t type) {
  if (children.GetSize() >= kMaxChildren) return nullptr;
  T* child = new T(type);
  if (child == nullptr) return nullptr;
  const int size = children.GetSize();
  children.InsertAt(index, child);
  if (children.GetSize() != size + 1) {
    delete child;
    return nullptr;
  }
  return child;
}

template <class T>
T* AddNew(MCObArray& children, uint8_t type) {
  return InsertNew<T>(children, children.GetSize(), type);
}

inline void RemoveAt(MCObArray& children, int index) {
  if (index < 0 || index >= children.GetSize()) return;
  delete children[index];
  children.RemoveAt(index);
}

inline void DeleteAll(MCObArray& children) {
  for (int i = 0; i < children.GetSize(); ++i) delete children[i];
  children.RemoveAll();
}

// Replaces `to`'s children by deep copies of `from`'s, made with `type`.
// `from` must not be `to`.
template <class T>
void CopyAll(MCObArray& to, const MCObArray& from, uint8_t type) {
  DeleteAll(to);
  for (int i = 0; i < from.GetSize(); ++i) {
    T* copy = AddNew<T>(to, type);
    if (copy == nullptr) return;
    copy->Copy(At<T>(from, i));
  }
}

// Merges the children of `theirs` into `mine`: each one that `matches` a
// child of mine is merged into the first such child (T::Merge) and removed
// from theirs; copies of the rest, passed through `adapt`, are appended or
// (append 0) put in front, in their order. Returns the number merged or
// added. `theirs` must not be `mine`.
template <class T, class Matches, class Adapt>
int Merge(MCObArray& mine, MCObArray& theirs, uint8_t type, int append, Matches matches,
          Adapt adapt) {
  int merged = 0;
  const int ownCount = mine.GetSize();
  for (int i = 0; i < theirs.GetSize();) {
    T* incoming = At<T>(theirs, i);
    T* target = nullptr;
    for (int j = 0; j < ownCount && target == nullptr; ++j) {
      if (matches(*At<T>(mine, j), *incoming)) target = At<T>(mine, j);
    }
    if (target == nullptr) {
      ++i;
      continue;
    }
    target->Merge(incoming, append);
    RemoveAt(theirs, i);
    ++merged;
  }
  int insertAt = append ? mine.GetSize() : 0;
  for (int i = 0; i < theirs.GetSize(); ++i) {
    T* copy = InsertNew<T>(mine, insertAt++, type);
    if (copy == nullptr) break;
    copy->Copy(At<T>(theirs, i));
    adapt(*copy);
    ++merged;
  }
  return merged;
}

}  // namespace article_children
