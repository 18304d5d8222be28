// MCString: in-place edits (case, code page, trimming, spaces, insertion,
// replacement), the tests of one position, prefix and suffix tests and the
// scrambling. Buffers and sharing are in MCString.cpp.
#include <algorithm>
#include <cstring>

#include "base/CharServices.h"
#include "base/MCString.h"
#include "base/MCStringData.h"

namespace {

// A byte that no letter of code page 1251 uses, so scrambled text rarely
// gains a NUL.
constexpr char kScrambleKey = static_cast<char>(0x98);

bool IsWhite(char ch) { return _isspace(ch) != 0; }

bool InSet(const char* set, char ch) { return ch != '\0' && std::strchr(set, ch) != nullptr; }

const char* OrEmpty(const char* text) { return text ? text : ""; }

// Rebuilds `text` with every match replaced: matchLength(at) is the length of
// the match starting at `at` (0 for none); matches do not overlap and the
// replacement is never searched. Gives the empty string (and count 0) when
// nothing matches.
template <typename MatchLength>
MCString ReplaceMatches(const char* text, int length, MatchLength matchLength,
                        const char* replacement, int* count) {
  int replacementLength = static_cast<int>(std::strlen(replacement));
  long long resultLength = 0;
  *count = 0;
  for (int pos = 0; pos < length;) {
    int matched = matchLength(text + pos, length - pos);
    if (matched > 0) {
      ++*count;
      resultLength += replacementLength;
      pos += matched;
    } else {
      ++resultLength;
      ++pos;
    }
  }
  MCString result;
  if (*count == 0) return result;
  char* out = result.GetBufferSetLength(MCStringCheckedLength(resultLength));
  for (int pos = 0; pos < length;) {
    int matched = matchLength(text + pos, length - pos);
    if (matched > 0) {
      std::memcpy(out, replacement, replacementLength);
      out += replacementLength;
      pos += matched;
    } else {
      *out++ = text[pos++];
    }
  }
  return result;
}

}  // namespace

// --- Case and code page: the alphabet of the string's language id

void MCString::MakeUpper() {
  CopyBeforeWrite();
  MStrUpr(chars_, GetLangId());
}

void MCString::MakeLower() {
  CopyBeforeWrite();
  MStrLwr(chars_, GetLangId());
}

void MCString::CharToOemA() {
  if (IsEmpty()) return;
  CopyBeforeWrite();
  MStrAnsiToOem(chars_, chars_, GetLangId());
}

void MCString::OemToCharA() {
  if (IsEmpty()) return;
  CopyBeforeWrite();
  MStrOemToAnsi(chars_, chars_, GetLangId());
}

void MCString::ToUpper(int pos) {
  if (!HasPos(pos)) return;
  CopyBeforeWrite();
  chars_[pos] = MCharToUpper(chars_[pos], GetLangId());
}

void MCString::ToLower(int pos) {
  if (!HasPos(pos)) return;
  CopyBeforeWrite();
  chars_[pos] = MCharToLower(chars_[pos], GetLangId());
}

void MCString::MakeReverse() {
  if (IsEmpty()) return;
  CopyBeforeWrite();
  std::reverse(chars_, chars_ + GetLength());
}

// --- Trimming

void MCString::KeepRange(int first, int count) {
  if (first == 0 && count == GetLength()) return;
  CopyBeforeWrite();
  std::memmove(chars_, chars_ + first, count);
  Data()->length = count;
  chars_[count] = '\0';
}

void MCString::TrimLeft() {
  int first = 0;
  while (first < GetLength() && IsWhite(chars_[first])) ++first;
  KeepRange(first, GetLength() - first);
}

void MCString::TrimLeft(char ch) {
  int first = 0;
  while (first < GetLength() && ch != '\0' && chars_[first] == ch) ++first;
  KeepRange(first, GetLength() - first);
}

void MCString::TrimLeft(const char* set) {
  int first = 0;
  while (first < GetLength() && set && InSet(set, chars_[first])) ++first;
  KeepRange(first, GetLength() - first);
}

void MCString::TrimRight() {
  int end = GetLength();
  while (end > 0 && IsWhite(chars_[end - 1])) --end;
  KeepRange(0, end);
}

void MCString::TrimRight(char ch) {
  int end = GetLength();
  while (end > 0 && ch != '\0' && chars_[end - 1] == ch) --end;
  KeepRange(0, end);
}

void MCString::TrimRight(const char* set) {
  int end = GetLength();
  while (end > 0 && set && InSet(set, chars_[end - 1])) --end;
  KeepRange(0, end);
}

void MCString::Trim() {
  TrimLeft();
  TrimRight();
}

// --- Edits that return a copy of the result

MCString MCString::MakeOneSpace() {
  if (IsEmpty()) return MCString();
  CopyBeforeWrite();
  int out = 0;
  bool inWhiteRun = false;
  for (int in = 0; in < GetLength(); ++in) {
    bool white = IsWhite(chars_[in]);
    if (!white) {
      chars_[out++] = chars_[in];
    } else if (!inWhiteRun) {
      chars_[out++] = ' ';
    }
    inWhiteRun = white;
  }
  Data()->length = out;
  chars_[out] = '\0';
  return MCString(chars_, out);
}

MCString MCString::RemoveAllSpace() {
  if (IsEmpty()) return MCString();
  CopyBeforeWrite();
  int out = 0;
  for (int in = 0; in < GetLength(); ++in) {
    if (!IsWhite(chars_[in])) chars_[out++] = chars_[in];
  }
  Data()->length = out;
  chars_[out] = '\0';
  return MCString(chars_, out);
}

MCString MCString::Insert(int pos, char ch) {
  char text[2] = {ch, '\0'};
  return Insert(pos, text);
}

MCString MCString::Insert(int pos, const char* text) {
  int length = text ? static_cast<int>(std::strlen(text)) : 0;
  if (length > 0 && pos >= 0 && pos <= GetLength()) Splice(pos, text, length);
  return MCString(chars_, GetLength());
}

MCString MCString::Insert(const char* text, int pos) { return Insert(pos, text); }

MCString MCString::Replace(const char* oldText, const char* newText) {
  if (oldText && *oldText) {
    int oldLength = static_cast<int>(std::strlen(oldText));
    // The texts may lie in this string's buffer: they are read before the
    // rebuilt text replaces it.
    auto matchLength = [oldText, oldLength](const char* at, int left) {
      return left >= oldLength && std::memcmp(at, oldText, oldLength) == 0 ? oldLength : 0;
    };
    int count = 0;
    MCString built = ReplaceMatches(chars_, GetLength(), matchLength, OrEmpty(newText), &count);
    if (count > 0) TakeBuffer(built);
  }
  return MCString(chars_, GetLength());
}

MCString MCString::Replace(char oldCh, char newCh) {
  char oldText[2] = {oldCh, '\0'};
  char newText[2] = {newCh, '\0'};
  return Replace(oldText, newText);
}

MCString MCString::Replace(const char* oldText, char newCh) {
  char newText[2] = {newCh, '\0'};
  return Replace(oldText, newText);
}

MCString MCString::Replace(char oldCh, const char* newText) {
  char oldText[2] = {oldCh, '\0'};
  return Replace(oldText, newText);
}

MCString MCString::ReplaceOneOf(const char* set, const char* newText) {
  if (set && *set) {
    auto matchLength = [set](const char* at, int) { return InSet(set, *at) ? 1 : 0; };
    int count = 0;
    MCString built = ReplaceMatches(chars_, GetLength(), matchLength, OrEmpty(newText), &count);
    if (count > 0) TakeBuffer(built);
  }
  return MCString(chars_, GetLength());
}

MCString MCString::ReplaceOneOf(const char* set, char newCh) {
  char newText[2] = {newCh, '\0'};
  return ReplaceOneOf(set, newText);
}

// --- Tests of one position

int MCString::IsAlpha(int pos) const {
  return HasPos(pos) && IsMCharAlpha(chars_[pos], GetLangId());
}

int MCString::IsAlphaNum(int pos) const {
  return HasPos(pos) && IsMCharAlphaNum(chars_[pos], GetLangId());
}

int MCString::IsUpper(int pos) const {
  return HasPos(pos) && IsMCharUpper(chars_[pos], GetLangId());
}

int MCString::IsLower(int pos) const {
  return HasPos(pos) && IsMCharLower(chars_[pos], GetLangId());
}

int MCString::IsSpace(int pos) const { return HasPos(pos) && _isspace(chars_[pos]); }

int MCString::IsDigit(int pos) const { return HasPos(pos) && _isdigit(chars_[pos]); }

// --- Prefix and suffix tests

int MCString::StartsWithText(const char* text, bool noCase) const {
  // The text's length is clamped to the string's, so a longer text gives 0.
  std::size_t length = std::strlen(OrEmpty(text));
  int end = length > static_cast<std::size_t>(GetLength()) ? GetLength() : static_cast<int>(length);
  return EndsWithin(end, text, noCase);
}

int MCString::EndsWithin(int end, const char* text, bool noCase) const {
  text = OrEmpty(text);
  end = std::clamp(end, 0, GetLength());
  std::size_t length = std::strlen(text);
  if (length > static_cast<std::size_t>(end)) return 0;
  const char* tail = chars_ + end - length;
  if (noCase) {
    return MStrCompareNNoCase(tail, text, static_cast<unsigned>(length), GetLangId()) == 0;
  }
  return std::memcmp(tail, text, length) == 0;
}

int MCString::IsPref(const char* text) const { return StartsWithText(text, false); }

int MCString::StartsWith(const char* text) const { return StartsWithText(text, false); }

int MCString::IsFlex(const char* text) const { return EndsWithin(GetLength(), text, false); }

int MCString::IsFlex(int end, const char* text) const { return EndsWithin(end, text, false); }

int MCString::EndsWith(const char* text) const { return EndsWithin(GetLength(), text, false); }

int MCString::StartsWithNoCase(const char* text) const { return StartsWithText(text, true); }

int MCString::IsPrefNoCase(const char* text) const { return StartsWithText(text, true); }

int MCString::IsFlexNoCase(const char* text) const { return EndsWithin(GetLength(), text, true); }

int MCString::IsFlexNoCase(int end, const char* text) const { return EndsWithin(end, text, true); }

int MCString::EndsWithNoCase(const char* text) const { return EndsWithin(GetLength(), text, true); }

// --- Scrambling

void MCString::Code() {
  if (IsEmpty()) return;
  CopyBeforeWrite();
  for (int pos = 0; pos < GetLength(); ++pos) chars_[pos] ^= kScrambleKey;
}

void MCString::DeCode() { Code(); }
