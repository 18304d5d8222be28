// The searches and block moves of MCStringArray.
#include "base/MCArray.h"
#include "base/MCArrayOfImpl.h"

// The array moves its strings by their bytes (see base/MCArrayOf.h).
static_assert(sizeof(MCString) == sizeof(char*), "an MCString is one pointer to its buffer");

template class MCArrayOf<MCString, const char*>;

int MCStringArray::Find(const char* key, MStrKeyCompare cmp) const {
  return FindBy([key, cmp](const MCString& element) { return cmp(element, key); });
}

int MCStringArray::Search(const char* key, MStrKeyCompare cmp, int sorted) {
  return SearchBy([key, cmp](const MCString& element) { return cmp(element, key); }, sorted, key);
}

void MCStringArray::Sort(MStrSortCompare cmp) { SortWith(cmp); }

void MCStringArray::Move(int to, int from, int count) {
  long long blockEnd = static_cast<long long>(from) + count;
  bool overlaps = to < from ? from < static_cast<long long>(to) + count : blockEnd >= to;
  if (!overlaps) MoveBlock(to, from, count);
}

void MCStringArray::Change(int a, int b, int count) { mcarray::ExchangeBlocks(*this, a, b, count); }
