// The searches and block moves of MCObArray.
#include "base/MCArray.h"
#include "base/MCArrayOfImpl.h"

template class MCArrayOf<MCObject*>;

int MCObArray::Find(const void* key, MObKeyCompare cmp) const {
  return FindBy([key, cmp](MCObject* element) { return cmp(element, key); });
}

int MCObArray::Find(MCObject* object, MObCompare cmp) const {
  return FindBy([object, cmp](MCObject* element) { return cmp(element, object); });
}

int MCObArray::Search(const void* key, MObKeyCompare cmp, int sorted) {
  return SearchBy([key, cmp](MCObject* element) { return cmp(element, key); }, sorted, nullptr);
}

int MCObArray::Search(MCObject* object, MObCompare cmp, int sorted) {
  return SearchBy([object, cmp](MCObject* element) { return cmp(element, object); }, sorted,
                  object);
}

void MCObArray::Sort(MObSortCompare cmp) { SortWith(cmp); }

void MCObArray::Sort(MSortCompare cmp) { SortWith(cmp); }

void MCObArray::Move(int to, int from, int count) { MoveBlock(to, from, count); }

void MCObArray::Change(int a, int b, int count) { mcarray::ExchangeBlocks(*this, a, b, count); }

void MCObArray::RemoveAt(int index, MCObArray* out, int count) {
  if (!out || out == this || index < 0 || count < 0 ||
      static_cast<long long>(index) + count > GetSize()) {
    return;
  }
  out->RemoveAll();
  out->SetSize(count);
  if (out->GetSize() != count) return;
  for (int i = 0; i < count; ++i) out->SetAt(i, GetAt(index + i));
  RemoveAt(index, count);
}
