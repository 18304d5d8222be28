// MCArrayOf<T, Arg>: the storage, growth rule and common members of the
// exported array classes of base/MCArray.h. Use those classes, not this one.
//
// T is the element type, Arg the type the setters take (T itself, or
// const char* for strings). Elements are value-initialised when the array
// grows (zero, null, an empty string) and destroyed when it shrinks. They are
// relocated by moving their bytes: every element type here is a number, a
// pointer or an MCString (one pointer to a buffer that does not point back).
//
// Indexes given to GetAt, SetAt, ElementAt and operator[] are the caller's to
// keep within 0..GetSize()-1. The members that change the size refuse what
// they cannot do (a negative size or count, a range past the end, a size
// beyond what can be allocated, a failed allocation) and leave the array as it
// was.
//
// The member definitions live in base/MCArrayOfImpl.h and are instantiated
// and exported by MorvexBase only, for the element types of base/MCArray.h.
#pragma once

#include "base/BaseExport.h"
#include "base/MCObject.h"

template <class T, class Arg = T>
class MCArrayOf : public MCObject {
 public:
  MCArrayOf();
  ~MCArrayOf() override;
  MCArrayOf(const MCArrayOf&) = delete;
  MCArrayOf& operator=(const MCArrayOf&) = delete;

  int GetSize() const;
  int GetUpperBound() const;
  // growBy 0 grows automatically (size / 8, within 4..1024); -1 keeps the step.
  void SetSize(int newSize, int growBy = -1);
  void FreeExtra();
  void RemoveAll();

  const T& GetAt(int index) const;
  void SetAt(int index, Arg value);
  T& ElementAt(int index);
  const T* GetData() const;
  T* GetData();
  const T& operator[](int index) const;
  T& operator[](int index);

  // Grows to index + 1 first when needed.
  void SetAtGrow(int index, Arg value);
  // The new element's index, or -1 when the array cannot grow.
  int Add(Arg value);
  // The old size, or -1 (nothing appended) when the array cannot grow.
  int Append(const MCArrayOf& source);
  // Leaves the array unchanged when it cannot hold the source.
  void Copy(const MCArrayOf& source);
  // count copies of value at index; at or beyond the end the array is
  // extended first.
  void InsertAt(int index, Arg value, int count = 1);
  void InsertAt(int index, const MCArrayOf* source);
  void RemoveAt(int index, int count = 1);

 protected:
  // The first index whose element compares 0 with the key, or -1.
  // compare(const T& element) compares the element with the caller's key.
  template <class Compare>
  int FindBy(Compare compare) const;
  // Sorted: -1 when the key is present (nothing inserted), else `inserted`
  // goes before the first element that sorts after the key, or at the end.
  // Unsorted: the first equal index, else `inserted` is appended. The index
  // of the inserted element, or -1 when the array cannot grow.
  template <class Compare>
  int SearchBy(Compare compare, int sorted, Arg inserted);
  // qsort over the elements; compare receives pointers to two elements.
  void SortWith(int (*compare)(const void* left, const void* right));
  void SortWith(int (*compare)(const T* left, const T* right));
  // Moves count elements from `from` to `to` (nothing for a negative index,
  // a `to` beyond the size or a block past the end). Moving left, each
  // element is taken out and put in at to + i, so the block starts at `to`;
  // moving right, copies are put in at to + i and the originals removed, so
  // the block ends just before the element that was at `to`.
  void MoveBlock(int to, int from, int count);

 private:
  // Room for at least `size` elements; the elements keep their places.
  bool Reserve(int size);
  // Sets the size, constructing or destroying elements at the end.
  bool Resize(int newSize);
  // Makes count unconstructed slots at index (extending with empty elements
  // when index is beyond the end); the caller constructs them at once.
  bool OpenGap(int index, int count);
  bool InsertCopies(int index, Arg value, int count);
  bool InsertElements(int index, const MCArrayOf& source);

  T* data_;
  int size_;
  int allocated_;
  int growBy_;
};
