// MCString: buffers and their sharing, assignment, access, concatenation,
// comparison, search, substrings and formatting. The in-place edits and the
// character tests are in MCStringEdit.cpp.
#include "base/MCString.h"

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/CharServices.h"
#include "base/MCObject.h"
#include "base/MCStringData.h"
#include "base/platform/Interlocked.h"

namespace {

// The one header every empty string points at. Constant-initialised, so it is
// ready before any static constructor runs, and in writable memory, although
// nothing ever writes it: its count is never changed and it is never handed
// out for writing.
struct StaticEmptyBlock {
  MCStringData header;
  char terminator;
};
StaticEmptyBlock g_staticEmpty = {{kMCStringLocked, 0, 0, 0}, '\0'};

char* StaticEmptyChars() { return g_staticEmpty.header.Chars(); }

// A new unshared buffer of `capacity` > 0 characters: count 1, id 0,
// length = capacity, NUL at capacity.
char* NewChars(int capacity) {
  void* block = MAlloc(sizeof(MCStringData) + static_cast<std::size_t>(capacity) + 1);
  if (!block) MCStringOutOfMemory();
  MCStringData* data = static_cast<MCStringData*>(block);
  data->refs = 1;
  data->langId = 0;
  data->length = capacity;
  data->capacity = capacity;
  data->Chars()[capacity] = '\0';
  return data->Chars();
}

void Release(char* chars) {
  if (chars == StaticEmptyChars()) return;
  MCStringData* data = MCStringData::Of(chars);
  if (MInterlockedDecrement(&data->refs) <= 0) MFree(data);
}

int TextLength(const char* text) {
  return text ? MCStringCheckedLength(static_cast<long long>(std::strlen(text))) : 0;
}

MCString Concatenate(const char* left, int leftLength, const char* right, int rightLength) {
  MCString result;
  char* out = result.GetBufferSetLength(
      MCStringCheckedLength(static_cast<long long>(leftLength) + rightLength));
  if (leftLength > 0) std::memcpy(out, left, leftLength);
  if (rightLength > 0) std::memcpy(out + leftLength, right, rightLength);
  return result;
}

}  // namespace

void MCStringOutOfMemory() {
  std::fputs("MCString: out of memory\n", stderr);
  std::abort();
}

int MCStringCheckedLength(long long length) {
  if (length > kMCStringMaxLength) MCStringOutOfMemory();
  return static_cast<int>(length);
}

// --- Buffers

bool MCString::HasPos(int pos) const { return pos >= 0 && pos < GetLength(); }

bool MCString::IsWritableInPlace(int length) const {
  return !IsStaticEmpty() && Data()->refs <= 1 && Data()->capacity >= length;
}

void MCString::Install(char* freshChars, unsigned short langId) {
  bool locked = !IsStaticEmpty() && Data()->refs == kMCStringLocked;
  char* old = chars_;
  chars_ = freshChars;
  if (!IsStaticEmpty()) {
    Data()->langId = langId;
    if (locked) Data()->refs = kMCStringLocked;
  }
  Release(old);
}

void MCString::ReplaceBuffer(const char* text, int length, int capacity, unsigned short langId) {
  if (capacity <= 0) {
    Install(StaticEmptyChars(), 0);
    return;
  }
  char* fresh = NewChars(capacity);
  if (length > 0) std::memcpy(fresh, text, length);
  MCStringData::Of(fresh)->length = length;
  fresh[length] = '\0';
  Install(fresh, langId);
}

void MCString::TakeBuffer(MCString& built) {
  char* fresh = built.chars_;
  built.chars_ = StaticEmptyChars();
  Install(fresh, GetLangId());
}

// Unsharing keeps the language id, so a shared string is case-mapped with
// its own alphabet.
void MCString::CopyBeforeWrite() {
  if (Data()->refs > 1) ReplaceBuffer(chars_, GetLength(), GetLength(), GetLangId());
}

void MCString::AssignChars(const char* text, int length, unsigned short newBufferLangId) {
  if (IsWritableInPlace(length)) {
    if (length > 0) std::memmove(chars_, text, length);
    Data()->length = length;
    chars_[length] = '\0';
  } else {
    ReplaceBuffer(text, length, length, newBufferLangId);
  }
}

// --- Construction, assignment, lifetime

MCString::MCString() noexcept : chars_(StaticEmptyChars()) {}

MCString::MCString(const MCString& source) : chars_(StaticEmptyChars()) {
  if (source.Data()->refs >= 0) {
    MInterlockedIncrement(&source.Data()->refs);
    chars_ = source.chars_;
  } else {
    ReplaceBuffer(source.chars_, source.GetLength(), source.GetLength(), source.GetLangId());
  }
}

MCString::MCString(const char* text) : chars_(StaticEmptyChars()) {
  AssignChars(text, TextLength(text), 0);
}

MCString::MCString(const unsigned char* text) : MCString(reinterpret_cast<const char*>(text)) {}

MCString::MCString(const char* text, int count) : chars_(StaticEmptyChars()) {
  if (text && count > 0) AssignChars(text, count, 0);
}

MCString::MCString(char ch, int count) : chars_(StaticEmptyChars()) {
  if (count <= 0) return;
  ReplaceBuffer(nullptr, 0, count, 0);
  std::memset(chars_, ch, count);
  Data()->length = count;
}

MCString::~MCString() { Release(chars_); }

const MCString& MCString::operator=(const MCString& source) {
  if (chars_ == source.chars_) return *this;
  bool targetLocked = !IsStaticEmpty() && Data()->refs == kMCStringLocked;
  if (targetLocked || source.Data()->refs < 0) {
    AssignChars(source.chars_, source.GetLength(), source.GetLangId());
    if (!IsStaticEmpty()) Data()->langId = source.GetLangId();
  } else {
    MInterlockedIncrement(&source.Data()->refs);
    Release(chars_);
    chars_ = source.chars_;
  }
  return *this;
}

const MCString& MCString::operator=(const char* text) {
  AssignChars(text, TextLength(text), 0);
  return *this;
}

const MCString& MCString::operator=(char ch) {
  AssignChars(&ch, 1, 0);
  return *this;
}

const MCString& MCString::operator=(const unsigned char* text) {
  return *this = reinterpret_cast<const char*>(text);
}

void MCString::Empty() {
  if (IsStaticEmpty()) return;
  if (Data()->refs == kMCStringLocked) {
    Data()->length = 0;
    chars_[0] = '\0';
  } else {
    Release(chars_);
    chars_ = StaticEmptyChars();
  }
}

// --- Access and size

int MCString::GetAllocLength() const { return Data()->capacity; }

void MCString::SetAt(int pos, char ch) {
  if (!HasPos(pos)) return;
  CopyBeforeWrite();
  chars_[pos] = ch;
}

unsigned short MCString::GetLangId() const { return Data()->langId; }

// --- Buffer access

char* MCString::GetBuffer(int minLength) {
  if (minLength < 0) minLength = 0;
  if (Data()->refs > 1 || GetAllocLength() < minLength) {
    int length = GetLength();
    ReplaceBuffer(chars_, length, minLength > length ? minLength : length, GetLangId());
  }
  return chars_;
}

void MCString::ReleaseBuffer(int newLength) {
  CopyBeforeWrite();
  if (IsStaticEmpty()) return;
  int capacity = GetAllocLength();
  if (newLength < 0) {
    const void* nul = std::memchr(chars_, '\0', capacity);
    newLength = nul ? static_cast<int>(static_cast<const char*>(nul) - chars_) : capacity;
  }
  if (newLength > capacity) newLength = capacity;
  Data()->length = newLength;
  chars_[newLength] = '\0';
}

char* MCString::ResizeBuffer(int newLength) {
  static_assert(
      static_cast<int>(sizeof(MCStringData) - offsetof(MCStringData, length)) == kLengthBeforeChars,
      "the inline readers find the length where the header keeps it");
  if (newLength < 0) newLength = 0;
  GetBuffer(newLength);
  if (!IsStaticEmpty()) {
    Data()->length = newLength;
    chars_[newLength] = '\0';
  }
  return chars_;
}

// A locked buffer stays where it is: the caller holds a pointer into it.
void MCString::FreeExtra() {
  if (IsStaticEmpty() || Data()->refs == kMCStringLocked) return;
  if (GetLength() != GetAllocLength()) {
    ReplaceBuffer(chars_, GetLength(), GetLength(), GetLangId());
  }
}

char* MCString::LockBuffer() {
  GetBuffer(0);
  if (!IsStaticEmpty()) Data()->refs = kMCStringLocked;
  return chars_;
}

void MCString::UnlockBuffer() {
  if (!IsStaticEmpty() && Data()->refs == kMCStringLocked) Data()->refs = 1;
}

// --- Concatenation

void MCString::Append(const char* text, int length) {
  if (length <= 0) return;
  int oldLength = GetLength();
  int total = MCStringCheckedLength(static_cast<long long>(oldLength) + length);
  if (IsWritableInPlace(total)) {
    std::memmove(chars_ + oldLength, text, length);
    Data()->length = total;
    chars_[total] = '\0';
  } else {
    Splice(oldLength, text, length);
  }
}

void MCString::Splice(int pos, const char* text, int length) {
  int oldLength = GetLength();
  char* fresh = NewChars(MCStringCheckedLength(static_cast<long long>(oldLength) + length));
  std::memcpy(fresh, chars_, pos);
  std::memcpy(fresh + pos, text, length);
  std::memcpy(fresh + pos + length, chars_ + pos, oldLength - pos);
  Install(fresh, GetLangId());
}

const MCString& MCString::operator+=(const MCString& text) {
  Append(text.chars_, text.GetLength());
  return *this;
}

const MCString& MCString::operator+=(char ch) {
  Append(&ch, 1);
  return *this;
}

const MCString& MCString::operator+=(const char* text) {
  Append(text, TextLength(text));
  return *this;
}

MCString operator+(const MCString& left, const MCString& right) {
  return Concatenate(left, left.GetLength(), right, right.GetLength());
}

MCString operator+(const MCString& left, char right) {
  return Concatenate(left, left.GetLength(), &right, 1);
}

MCString operator+(const MCString& left, const char* right) {
  return Concatenate(left, left.GetLength(), right, TextLength(right));
}

MCString operator+(char left, const MCString& right) {
  return Concatenate(&left, 1, right, right.GetLength());
}

MCString operator+(const char* left, const MCString& right) {
  return Concatenate(left, TextLength(left), right, right.GetLength());
}

// --- Comparison

int MCString::Compare(const char* text) const {
  int result = std::strcmp(chars_, text ? text : "");
  return (result > 0) - (result < 0);
}

int MCString::CompareNoCase(const char* text) const {
  return MStrCompareNoCase(chars_, text, GetLangId());
}

// --- Search

int MCString::Find(char ch) const { return Find(ch, 0); }

int MCString::Find(char ch, int start) const {
  if (start < 0) start = 0;
  if (start >= GetLength()) return -1;
  const void* found = std::memchr(chars_ + start, ch, GetLength() - start);
  return found ? static_cast<int>(static_cast<const char*>(found) - chars_) : -1;
}

int MCString::Find(const char* text) const { return Find(text, 0); }

int MCString::Find(const char* text, int start) const {
  if (start < 0) start = 0;
  if (start > GetLength()) return -1;
  const char* found = std::strstr(chars_ + start, text ? text : "");
  return found ? static_cast<int>(found - chars_) : -1;
}

int MCString::ReverseFind(char ch) const { return ReverseFind(ch, GetLength()); }

int MCString::ReverseFind(char ch, int end) const {
  if (end > GetLength()) return -1;
  for (int pos = end - 1; pos >= 0; --pos) {
    if (chars_[pos] == ch) return pos;
  }
  return -1;
}

int MCString::FindOneOf(const char* set) const {
  if (!set || !*set) return -1;
  const char* found = std::strpbrk(chars_, set);
  return found ? static_cast<int>(found - chars_) : -1;
}

// --- Substrings

MCString MCString::Substring(int first, int count) const {
  MCString result(chars_ + first, count);
  result.SetLangId(GetLangId());
  return result;
}

MCString MCString::Mid(int first) const { return Mid(first, GetLength()); }

MCString MCString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= GetLength()) return MCString();
  if (count > GetLength() - first) count = GetLength() - first;
  return Substring(first, count);
}

MCString MCString::Left(int count) const {
  if (count < 0) count = 0;
  if (count > GetLength()) count = GetLength();
  return Substring(0, count);
}

MCString MCString::Right(int count) const {
  if (count < 0) count = 0;
  if (count > GetLength()) count = GetLength();
  return Substring(GetLength() - count, count);
}

MCString MCString::SpanIncluding(const char* set) const {
  return Left(static_cast<int>(std::strspn(chars_, set ? set : "")));
}

MCString MCString::SpanExcluding(const char* set) const {
  return Left(static_cast<int>(std::strcspn(chars_, set ? set : "")));
}

namespace {

char ClosingPartner(char opening) {
  switch (opening) {
    case '[':
      return ']';
    case '(':
      return ')';
    case '<':
      return '>';
    case '{':
      return '}';
    default:
      return opening;
  }
}

}  // namespace

MCString MCString::GetInside(int& pos, char escape) const {
  if (!HasPos(pos)) return MCString();
  char opening = chars_[pos];
  char closing = ClosingPartner(opening);
  int depth = 0;
  for (int i = pos + 1; i < GetLength(); ++i) {
    if (chars_[i - 1] == escape) continue;
    char ch = chars_[i];
    if (ch == opening && opening != closing) {
      ++depth;
    } else if (ch == closing) {
      if (depth == 0) {
        MCString inside = Substring(pos + 1, i - pos - 1);
        pos = i;
        return inside;
      }
      --depth;
    }
  }
  return *this;
}

// --- Formatting

// Measured first, then formatted into a fresh buffer: the arguments may point
// into this string's characters, which stay alive until the new text is in.
void MCString::Format(const char* format, ...) {
  if (!format) format = "";
  va_list args;
  va_start(args, format);
  va_list measuring;
  va_copy(measuring, args);
  int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length >= 0) {
    MCString built;
    if (length > 0) {
      char* out = built.GetBufferSetLength(MCStringCheckedLength(length));
      std::vsnprintf(out, static_cast<std::size_t>(length) + 1, format, args);
    }
    TakeBuffer(built);
  }
  va_end(args);
}
