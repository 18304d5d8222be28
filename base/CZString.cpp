#include "base/CZString.h"

#include <climits>
#include <cstring>

CZString::CZString() = default;

CZString::CZString(const char* block) { SetZString(block); }

CZString::~CZString() = default;

int CZString::SetZString(const char* block) {
  RemoveAll();
  if (!block) return 0;
  std::size_t total = 0;
  int count = 0;
  while (block[total] != '\0') {
    std::size_t length = std::strlen(block + total);
    if (length + 1 > static_cast<std::size_t>(INT_MAX) - total) break;  // no room in an int
    total += length + 1;
    ++count;
  }
  // One copy of the whole block, NULs included.
  storage_ = MCString(block, static_cast<int>(total));
  totalLength_ = static_cast<int>(total);
  count_ = count;
  return count_;
}

void CZString::Add(MCString text) {
  const char* chars = text;
  int length = static_cast<int>(std::strlen(chars));
  if (length == 0 || length > INT_MAX - 1 - totalLength_) return;
  int needed = totalLength_ + length + 1;
  // Lists are built by many Adds: grow by half again, not to the exact size.
  int capacity = storage_.GetAllocLength();
  int request = needed;
  if (needed > capacity) {
    int grown = capacity > INT_MAX - capacity / 2 ? INT_MAX : capacity + capacity / 2;
    request = grown > needed ? grown : needed;
  }
  char* buffer = storage_.GetBuffer(request);
  std::memcpy(buffer + totalLength_, chars, static_cast<std::size_t>(length) + 1);
  storage_.ReleaseBuffer(needed);
  totalLength_ = needed;
  ++count_;
}

void CZString::RemoveAll() {
  storage_.Empty();
  totalLength_ = 0;
  count_ = 0;
  readOffset_ = 0;
}

MCString CZString::GetAt(int i) {
  int offset = 0;
  const char* chars = storage_;
  for (int index = 0; index < i && offset < totalLength_; ++index) {
    offset += static_cast<int>(std::strlen(chars + offset)) + 1;
  }
  if (i < 0) offset = totalLength_;
  readOffset_ = offset;
  return offset < totalLength_ ? MCString(chars + offset) : MCString();
}

MCString CZString::GetFirst() {
  readOffset_ = 0;
  return GetNext();
}

MCString CZString::GetNext() {
  if (readOffset_ >= totalLength_) return MCString();
  const char* chars = storage_;
  MCString text(chars + readOffset_);
  readOffset_ += text.GetLength() + 1;
  return text;
}
