// The growable arrays of MorvexBase: bytes, 16- and 32-bit words, unsigned
// ints, untyped pointers, MCObject pointers and strings.
//
// The dictionary engine keeps its entries, offsets and word lists in them,
// the grammar library its attribute bytes, the base library its table-language
// objects. The members every array has (size, growth, access, insertion and
// removal) come from MCArrayOf (base/MCArrayOf.h); each class here adds its
// own searches.
//
// Comparisons given to Find and Search are called as cmp(element, key) and
// return 0 for equal, a positive value when the element sorts after the key
// and a negative one before. Comparisons given to Sort receive pointers to
// two elements, as for qsort.
//
// Search in an unsorted array returns the index of an equal element or of the
// element it appended, which the result alone does not tell apart: a caller
// of the MCObArray form that inserts null tests the slot before storing.
#pragma once

#include "base/BaseExport.h"
#include "base/MCArrayOf.h"
#include "base/MCObject.h"
#include "base/MCString.h"

extern template class MBASE_API MCArrayOf<unsigned char>;
extern template class MBASE_API MCArrayOf<unsigned short>;
extern template class MBASE_API MCArrayOf<unsigned int>;
extern template class MBASE_API MCArrayOf<void*>;
extern template class MBASE_API MCArrayOf<MCObject*>;
extern template class MBASE_API MCArrayOf<MCString, const char*>;

static_assert(sizeof(unsigned int) == 4, "MCDWordArray holds unsigned 32-bit words");

class MBASE_API MCByteArray : public MCArrayOf<unsigned char> {
 public:
  // The first index holding value, or -1.
  int Find(unsigned char value) const;
  // See MCArrayOf::SearchBy; the bytes compare as unsigned values.
  int Search(unsigned char value, int sorted);
  // Ascending unsigned values, the order Search(value, 1) expects.
  void Sort();
};

class MBASE_API MCWordArray : public MCArrayOf<unsigned short> {};

class MBASE_API MCDWordArray : public MCArrayOf<unsigned int> {};

class MBASE_API MCUIntArray : public MCArrayOf<unsigned int> {};

// The pointers are not owned.
class MBASE_API MCPtrArray : public MCArrayOf<void*> {};

typedef int (*MObKeyCompare)(MCObject* element, const void* key);
typedef int (*MObCompare)(MCObject* element, MCObject* object);
typedef int (*MObSortCompare)(MCObject* const* left, MCObject* const* right);
typedef int (*MSortCompare)(const void* left, const void* right);

// The objects are not owned: their owners delete them.
class MBASE_API MCObArray : public MCArrayOf<MCObject*> {
 public:
  // The first index i with cmp(element i, key) == 0, or -1.
  int Find(const void* key, MObKeyCompare cmp) const;
  int Find(MCObject* object, MObCompare cmp) const;
  // See MCArrayOf::SearchBy. The key form inserts null (the caller then
  // stores the object), the object form inserts the object.
  int Search(const void* key, MObKeyCompare cmp, int sorted);
  int Search(MCObject* object, MObCompare cmp, int sorted);
  void Sort(MObSortCompare cmp);
  void Sort(MSortCompare cmp);

  // See MCArrayOf::MoveBlock.
  void Move(int to, int from, int count);
  // Exchanges the blocks of count elements at a and b.
  void Change(int a, int b, int count);

  using MCArrayOf<MCObject*>::RemoveAt;
  // Empties out, copies the count elements from index into it and removes
  // them here. Nothing happens for a range past the end, a null out or out
  // being this array; when out cannot hold them it is left empty and this
  // array unchanged.
  void RemoveAt(int index, MCObArray* out, int count);
};

typedef int (*MStrKeyCompare)(const char* element, const char* key);
typedef int (*MStrSortCompare)(const MCString* left, const MCString* right);

// The strings are owned: new elements are empty strings, removed ones are
// destroyed. The setters take characters.
class MBASE_API MCStringArray : public MCArrayOf<MCString, const char*> {
 public:
  // The first index i with cmp(characters of element i, key) == 0, or -1.
  int Find(const char* key, MStrKeyCompare cmp) const;
  // See MCArrayOf::SearchBy; inserts the key's characters.
  int Search(const char* key, MStrKeyCompare cmp, int sorted);
  void Sort(MStrSortCompare cmp);

  // As MCObArray::Move, and also nothing when the blocks would overlap:
  // moving left the block must start at or after to + count, moving right it
  // must end before to.
  void Move(int to, int from, int count);
  void Change(int a, int b, int count);
};
