#include "base/CStrLex.h"

#include <climits>
#include <cstddef>
#include <cstring>

namespace {

const char kDefaultSeparators[] = " \r\n\t\f\v";

std::int16_t ClampedLength(std::int32_t length) {
  return length > INT16_MAX ? static_cast<std::int16_t>(INT16_MAX)
                            : static_cast<std::int16_t>(length);
}

}  // namespace

CStrLex::CStrLex(const char* separators) { SetPic(separators); }

CStrLex::~CStrLex() = default;

void CStrLex::SetPic(const char* separators) {
  separators_ = separators ? separators : kDefaultSeparators;
}

bool CStrLex::IsSeparator(char ch) const {
  // strchr also "finds" the set's own terminator: the end of a text is never
  // a separator.
  return ch != '\0' && std::strchr(separators_, ch) != nullptr;
}

const char* CStrLex::SkipSeparators(const char* p) const {
  while (IsSeparator(*p)) ++p;
  return p;
}

const char* CStrLex::FindSeparator(const char* p) const {
  while (*p != '\0' && !IsSeparator(*p)) ++p;
  return p;
}

const char* CStrLex::Scan(const char* text, std::int32_t* length) {
  const char* begin = text ? text : lastEnd_;
  lastCut_ = 0;
  if (begin) begin = SkipSeparators(begin);
  if (!begin || *begin == '\0') {
    lastBegin_ = nullptr;
    lastEnd_ = nullptr;
    return nullptr;
  }
  const char* end = FindSeparator(begin);
  // Library strings have int lengths; the clamp keeps a foreign text over
  // 2 GB from wrapping.
  std::ptrdiff_t span = end - begin;
  *length = span > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(span);
  lastBegin_ = begin;
  if (*end != '\0') {
    lastEnd_ = end;
    lastLen_ = ClampedLength(*length);
  } else {
    lastEnd_ = nullptr;
  }
  return begin;
}

const char* CStrLex::Get(const char* text, char* out) {
  if (out) out[0] = '\0';
  std::int32_t length = 0;
  const char* token = Scan(text, &length);
  if (token && out) {
    // out may be the text's own buffer, which a copy must not clobber first.
    std::memmove(out, token, static_cast<std::size_t>(length));
    out[length] = '\0';
  }
  return token;
}

const char* CStrLex::Get(const char* text, char* out, int outSize) {
  bool canWrite = out && outSize > 0;
  if (canWrite) out[0] = '\0';
  std::int32_t length = 0;
  const char* token = Scan(text, &length);
  if (token && canWrite) {
    std::int32_t copied = length < outSize - 1 ? length : outSize - 1;
    std::memmove(out, token, static_cast<std::size_t>(copied));
    out[copied] = '\0';
    lastCut_ = copied < length ? 1 : 0;
  } else if (token && out) {
    lastCut_ = 1;  // a buffer with no room at all cuts every token
  }
  return token;
}

const char* CStrLex::FirstStr(const char* text) {
  text_ = text;
  tokenIndex_ = 0;
  return TokenOfCopy(tokenIndex_);
}

const char* CStrLex::NextStr() {
  if (tokenIndex_ < INT_MAX) ++tokenIndex_;
  return TokenOfCopy(tokenIndex_);
}

const char* CStrLex::TokenOfCopy(int index) {
  const char* chars = text_;
  const int length = text_.GetLength();
  int pos = 0;
  for (int current = 0;; ++current) {
    while (pos < length && IsSeparator(chars[pos])) ++pos;
    int end = pos;
    while (end < length && !IsSeparator(chars[end])) ++end;
    // With no separator after it, this piece is the last one, and it answers
    // every later index too.
    if (current == index || end == length) {
      token_ = text_.Mid(pos, end - pos);
      return token_;
    }
    pos = end;
  }
}
