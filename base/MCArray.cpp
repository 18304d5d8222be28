// The numeric and untyped-pointer arrays, and the searches of MCByteArray.
#include "base/MCArray.h"

#include <algorithm>
#include <cstring>

#include "base/MCArrayOfImpl.h"

template class MCArrayOf<unsigned char>;
template class MCArrayOf<unsigned short>;
template class MCArrayOf<unsigned int>;
template class MCArrayOf<void*>;

int MCByteArray::Find(unsigned char value) const {
  if (GetSize() == 0) return -1;
  const void* hit = std::memchr(GetData(), value, GetSize());
  return hit ? static_cast<int>(static_cast<const unsigned char*>(hit) - GetData()) : -1;
}

int MCByteArray::Search(unsigned char value, int sorted) {
  return SearchBy([value](unsigned char element) { return element - value; }, sorted, value);
}

void MCByteArray::Sort() { std::sort(GetData(), GetData() + GetSize()); }
