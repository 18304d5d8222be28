// The member definitions of MCArrayOf (base/MCArrayOf.h). Included only by
// the MorvexBase sources that instantiate and export the array classes, so
// every array operation runs in MorvexBase whichever library calls it.
#pragma once

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "base/MCArrayOf.h"

namespace mcarray {

// The most elements an array of T may hold: the size is an int and the
// block's byte count must fit in a size_t.
template <class T>
constexpr long long MaxElements() {
  return SIZE_MAX / sizeof(T) < static_cast<std::size_t>(INT_MAX)
             ? static_cast<long long>(SIZE_MAX / sizeof(T))
             : INT_MAX;
}

template <class T>
void ConstructEmpty(T* first, int count) {
  for (int i = 0; i < count; ++i) new (first + i) T();
}

template <class T>
void Destroy(T* first, int count) {
  for (int i = 0; i < count; ++i) first[i].~T();
}

// Elements are relocatable (see the header), so moving bytes moves them.
template <class T>
void Relocate(T* to, const T* from, int count) {
  if (count > 0) {
    std::memmove(static_cast<void*>(to), static_cast<const void*>(from), sizeof(T) * count);
  }
}

}  // namespace mcarray

template <class T, class Arg>
MCArrayOf<T, Arg>::MCArrayOf() : data_(nullptr), size_(0), allocated_(0), growBy_(0) {}

template <class T, class Arg>
MCArrayOf<T, Arg>::~MCArrayOf() {
  Resize(0);
}

template <class T, class Arg>
int MCArrayOf<T, Arg>::GetSize() const {
  return size_;
}

template <class T, class Arg>
int MCArrayOf<T, Arg>::GetUpperBound() const {
  return size_ - 1;
}

template <class T, class Arg>
bool MCArrayOf<T, Arg>::Reserve(int size) {
  if (size <= allocated_) return true;
  if (size > mcarray::MaxElements<T>()) return false;
  long long capacity = size;
  if (data_) {
    long long step = growBy_;
    if (step == 0) step = size_ / 8 < 4 ? 4 : (size_ / 8 > 1024 ? 1024 : size_ / 8);
    if (allocated_ + step > capacity) capacity = allocated_ + step;
    if (capacity > mcarray::MaxElements<T>()) capacity = mcarray::MaxElements<T>();
  }
  T* block = static_cast<T*>(MAlloc(sizeof(T) * static_cast<std::size_t>(capacity)));
  if (!block && capacity > size) {
    // A step too large to allocate still leaves room for what was asked.
    capacity = size;
    block = static_cast<T*>(MAlloc(sizeof(T) * static_cast<std::size_t>(capacity)));
  }
  if (!block) return false;
  mcarray::Relocate(block, data_, size_);
  MFree(data_);
  data_ = block;
  allocated_ = static_cast<int>(capacity);
  return true;
}

template <class T, class Arg>
bool MCArrayOf<T, Arg>::Resize(int newSize) {
  if (newSize < 0) return false;
  if (newSize == 0) {
    mcarray::Destroy(data_, size_);
    MFree(data_);
    data_ = nullptr;
    size_ = allocated_ = 0;
    return true;
  }
  if (newSize > size_) {
    if (!Reserve(newSize)) return false;
    mcarray::ConstructEmpty(data_ + size_, newSize - size_);
  } else {
    mcarray::Destroy(data_ + newSize, size_ - newSize);
  }
  size_ = newSize;
  return true;
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::SetSize(int newSize, int growBy) {
  if (growBy >= 0) growBy_ = growBy;
  Resize(newSize);
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::FreeExtra() {
  if (size_ == allocated_) return;
  if (size_ == 0) {
    Resize(0);
    return;
  }
  T* block = static_cast<T*>(MAlloc(sizeof(T) * static_cast<std::size_t>(size_)));
  if (!block) return;
  mcarray::Relocate(block, data_, size_);
  MFree(data_);
  data_ = block;
  allocated_ = size_;
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::RemoveAll() {
  Resize(0);
}

template <class T, class Arg>
const T& MCArrayOf<T, Arg>::GetAt(int index) const {
  return data_[index];
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::SetAt(int index, Arg value) {
  data_[index] = value;
}

template <class T, class Arg>
T& MCArrayOf<T, Arg>::ElementAt(int index) {
  return data_[index];
}

template <class T, class Arg>
const T* MCArrayOf<T, Arg>::GetData() const {
  return data_;
}

template <class T, class Arg>
T* MCArrayOf<T, Arg>::GetData() {
  return data_;
}

template <class T, class Arg>
const T& MCArrayOf<T, Arg>::operator[](int index) const {
  return data_[index];
}

template <class T, class Arg>
T& MCArrayOf<T, Arg>::operator[](int index) {
  return data_[index];
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::SetAtGrow(int index, Arg value) {
  if (index < 0 || index >= mcarray::MaxElements<T>()) return;
  if (index >= size_ && !Resize(index + 1)) return;
  data_[index] = value;
}

template <class T, class Arg>
bool MCArrayOf<T, Arg>::OpenGap(int index, int count) {
  if (index < 0 || count <= 0) return false;
  long long newSize = static_cast<long long>(index > size_ ? index : size_) + count;
  if (newSize > mcarray::MaxElements<T>() || !Reserve(static_cast<int>(newSize))) return false;
  if (index > size_) {
    mcarray::ConstructEmpty(data_ + size_, index - size_);
  } else {
    mcarray::Relocate(data_ + index + count, data_ + index, size_ - index);
  }
  size_ = static_cast<int>(newSize);
  return true;
}

template <class T, class Arg>
bool MCArrayOf<T, Arg>::InsertCopies(int index, Arg value, int count) {
  if (!OpenGap(index, count)) return false;
  for (int i = 0; i < count; ++i) new (data_ + index + i) T(value);
  return true;
}

template <class T, class Arg>
bool MCArrayOf<T, Arg>::InsertElements(int index, const MCArrayOf& source) {
  if (&source == this) {
    // The gap would split the elements being copied: copy them out first.
    MCArrayOf copy;
    return copy.InsertElements(0, source) && InsertElements(index, copy);
  }
  if (source.size_ == 0) return true;
  if (!OpenGap(index, source.size_)) return false;
  for (int i = 0; i < source.size_; ++i) new (data_ + index + i) T(source.data_[i]);
  return true;
}

template <class T, class Arg>
int MCArrayOf<T, Arg>::Add(Arg value) {
  int index = size_;
  return InsertCopies(index, value, 1) ? index : -1;
}

template <class T, class Arg>
int MCArrayOf<T, Arg>::Append(const MCArrayOf& source) {
  int oldSize = size_;
  return InsertElements(oldSize, source) ? oldSize : -1;
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::Copy(const MCArrayOf& source) {
  if (&source == this || !Reserve(source.size_)) return;
  Resize(source.size_);
  for (int i = 0; i < size_; ++i) data_[i] = source.data_[i];
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::InsertAt(int index, Arg value, int count) {
  InsertCopies(index, value, count);
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::InsertAt(int index, const MCArrayOf* source) {
  if (source) InsertElements(index, *source);
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::RemoveAt(int index, int count) {
  if (index < 0 || count <= 0 || static_cast<long long>(index) + count > size_) return;
  mcarray::Destroy(data_ + index, count);
  mcarray::Relocate(data_ + index, data_ + index + count, size_ - index - count);
  size_ -= count;
}

template <class T, class Arg>
template <class Compare>
int MCArrayOf<T, Arg>::FindBy(Compare compare) const {
  for (int i = 0; i < size_; ++i) {
    if (compare(data_[i]) == 0) return i;
  }
  return -1;
}

template <class T, class Arg>
template <class Compare>
int MCArrayOf<T, Arg>::SearchBy(Compare compare, int sorted, Arg inserted) {
  int at = size_;
  for (int i = 0; i < size_; ++i) {
    int order = compare(data_[i]);
    if (order == 0) return sorted ? -1 : i;
    if (sorted && order > 0) {
      at = i;
      break;
    }
  }
  return InsertCopies(at, inserted, 1) ? at : -1;
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::SortWith(int (*compare)(const void* left, const void* right)) {
  if (size_ > 1) std::qsort(data_, size_, sizeof(T), compare);
}

namespace mcarray {

// qsort passes untyped pointers; this hands them to the caller's typed
// comparison. The comparison of the sort in progress on this thread is kept
// here and restored afterwards, so a comparison may itself sort.
template <class T>
struct TypedSort {
  static thread_local int (*compare)(const T* left, const T* right);
  static int Untyped(const void* left, const void* right) {
    return compare(static_cast<const T*>(left), static_cast<const T*>(right));
  }
};

template <class T>
thread_local int (*TypedSort<T>::compare)(const T*, const T*) = nullptr;

}  // namespace mcarray

template <class T, class Arg>
void MCArrayOf<T, Arg>::SortWith(int (*compare)(const T* left, const T* right)) {
  using Sort = mcarray::TypedSort<T>;
  auto outer = Sort::compare;
  Sort::compare = compare;
  SortWith(&Sort::Untyped);
  Sort::compare = outer;
}

template <class T, class Arg>
void MCArrayOf<T, Arg>::MoveBlock(int to, int from, int count) {
  if (to < 0 || from < 0 || count <= 0 || to > size_ ||
      static_cast<long long>(from) + count > size_) {
    return;
  }
  if (to < from) {
    // Take each element out and put it in at to + i: a relocation, no copy.
    alignas(T) unsigned char held[sizeof(T)];
    for (int i = 0; i < count; ++i) {
      std::memcpy(held, static_cast<const void*>(data_ + from + i), sizeof(T));
      mcarray::Relocate(data_ + to + i + 1, data_ + to + i, from - to);
      std::memcpy(static_cast<void*>(data_ + to + i), held, sizeof(T));
    }
    return;
  }
  // Room for the copies first, so that the originals are removed only when
  // every copy is in.
  if (static_cast<long long>(size_) + count > mcarray::MaxElements<T>() ||
      !Reserve(size_ + count)) {
    return;
  }
  for (int i = 0; i < count; ++i) {
    T copy(data_[from + i]);
    OpenGap(to + i, 1);
    new (data_ + to + i) T(copy);
  }
  RemoveAt(from, count);
}

namespace mcarray {

// Change of the arrays with block moves: exchanges the blocks of count
// elements at a and b (ordered first) with the array's own Move.
template <class Array>
void ExchangeBlocks(Array& array, int a, int b, int count) {
  if (a > b) {
    int first = b;
    b = a;
    a = first;
  }
  array.Move(a, b, count);
  array.Move(b + count, a + count, count);
}

}  // namespace mcarray
