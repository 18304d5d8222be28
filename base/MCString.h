// MCString: the reference-counted, copy-on-write 8-bit string of the
// language libraries, and the type every other library class passes text in.
//
// The one data member is a pointer to the first character; a header in front
// of the characters holds the reference count, the language id (a Windows
// LANGID that selects the alphabet of case conversion, classification and
// case-insensitive comparison, see base/CharServices.h), the length and the
// capacity. Copies share a buffer until one of them is changed. A locked
// buffer (LockBuffer) is never shared. Every empty string points at one
// process-wide empty buffer that is never written; its language id is 0.
//
// Buffers come from the shared heap (MAlloc), so a string made in one library
// may be destroyed in another. No operation reports failure: out-of-range
// positions and counts are clamped. Running out of memory ends the process,
// since nothing here could report it.
//
// Pass a string to a variadic function (Format, printf) as (const char*)s.
#pragma once

#include <cstdint>
#include <type_traits>

#include "base/BaseExport.h"
#include "base/MCStringData.h"

// mingw's printf family is GNU-compatible (__USE_MINGW_ANSI_STDIO), which the
// gnu_printf archetype checks; clang knows only printf.
#if defined(__clang__)
#define MSTRING_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define MSTRING_PRINTF_FORMAT(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#endif

struct MCStringData;

class MBASE_API MCString {
 public:
  // --- Construction, assignment, lifetime. Strings built from characters
  // start with language id 0.
  MCString() noexcept;
  MCString(const MCString& source);
  MCString(const char* text);  // null or "" gives the empty string
  MCString(const unsigned char* text);
  MCString(const char* text, int count);  // exactly count bytes
  MCString(char ch, int count);           // count copies of ch
  ~MCString();

  // Shares the source's buffer (and so its language id), unless this string
  // is locked or the source is locked or empty: then the characters and the
  // id are copied.
  const MCString& operator=(const MCString& source);
  // Copy the characters; an unshared buffer that is large enough is reused
  // and keeps its language id. The text may point into this string.
  const MCString& operator=(const char* text);
  const MCString& operator=(char ch);
  const MCString& operator=(const unsigned char* text);
  void Empty();

  // --- Access and size. The readers below are defined here, not in the
  // library: text is scanned through them one character at a time, and a
  // call into the shared library per character would dominate the scan.
  int GetLength() const { return StoredLength(); }
  int GetAllocLength() const;
  bool IsEmpty() const { return StoredLength() == 0; }
  // pos must lie within 0..GetLength(); GetLength() gives the terminator.
  char GetAt(int pos) const { return pos >= 0 && pos <= StoredLength() ? chars_[pos] : '\0'; }
  char operator[](int pos) const { return GetAt(pos); }
  // Any other integer index (unsigned, size_t, long) resolves here rather than
  // being ambiguous with the built-in subscript of the const char* conversion.
  template <typename Index, typename = std::enable_if_t<std::is_integral<Index>::value>>
  char operator[](Index pos) const {
    return GetAt(static_cast<int>(pos));
  }
  operator const char*() const { return chars_; }
  void SetAt(int pos, char ch);  // a position outside the string does nothing
  unsigned short GetLangId() const;
  // Written into the buffer in place: every string sharing it sees the new id.
  // Does nothing on an empty string.
  void SetLangId(unsigned short langId) {
    if (!IsStaticEmpty()) Data()->langId = langId;
  }

  // --- Buffer access.
  // Room for at least minLength characters, unshared; the length is kept.
  char* GetBuffer(int minLength);
  // The length becomes newLength (-1: up to the first NUL), cut at the capacity.
  void ReleaseBuffer(int newLength = -1);
  // Inline where the buffer is unshared and large enough: readers refill
  // their strings in place once per text they read.
  char* GetBufferSetLength(int newLength) {
    if (newLength >= 0 && Data()->refs == 1 && Data()->capacity >= newLength) {
      Data()->length = newLength;
      chars_[newLength] = '\0';
      return chars_;
    }
    return ResizeBuffer(newLength);
  }
  void FreeExtra();
  char* LockBuffer();
  void UnlockBuffer();

  // --- Concatenation (appending keeps the language id).
  const MCString& operator+=(const MCString& text);
  const MCString& operator+=(char ch);
  const MCString& operator+=(const char* text);

  // --- Comparison. Compare is byte-wise like strcmp (null counts as "") and
  // returns -1, 0 or 1; CompareNoCase goes through the string's alphabet.
  int Compare(const char* text) const;
  int CompareNoCase(const char* text) const;

  // --- Search: the position, or -1.
  int Find(char ch) const;
  int Find(char ch, int start) const;
  int Find(const char* text) const;
  int Find(const char* text, int start) const;
  int ReverseFind(char ch) const;
  int ReverseFind(char ch, int end) const;  // among the characters before end
  int FindOneOf(const char* set) const;

  // --- Substrings: the result carries this string's language id.
  MCString Mid(int first) const;
  MCString Mid(int first, int count) const;
  MCString Left(int count) const;
  MCString Right(int count) const;
  MCString SpanIncluding(const char* set) const;
  MCString SpanExcluding(const char* set) const;
  // The text between the bracket (or quote) at pos and its closing partner,
  // honouring nesting and the escape character; pos moves to the closer. With
  // no closer: the whole string, pos unchanged. Outside the string: "".
  MCString GetInside(int& pos, char escape) const;

  // --- In-place edits.
  void MakeUpper();
  void MakeLower();
  void CharToOemA();
  void OemToCharA();
  void MakeReverse();
  void TrimLeft();  // white space: the characters 9 to 13 and the space
  void TrimLeft(char ch);
  void TrimLeft(const char* set);
  void TrimRight();
  void TrimRight(char ch);
  void TrimRight(const char* set);
  void Trim();
  void ToUpper(int pos);
  void ToLower(int pos);

  // --- In-place edits that also return a copy of the result (language id 0).
  MCString MakeOneSpace();
  MCString RemoveAllSpace();
  // Inserted before pos when 0 <= pos <= length and the text is not empty.
  MCString Insert(int pos, char ch);
  MCString Insert(int pos, const char* text);
  MCString Insert(const char* text, int pos);
  // Non-overlapping, left to right; the replacement is never searched again.
  MCString Replace(const char* oldText, const char* newText);
  MCString Replace(char oldCh, char newCh);
  MCString Replace(const char* oldText, char newCh);
  MCString Replace(char oldCh, const char* newText);
  MCString ReplaceOneOf(const char* set, const char* newText);
  MCString ReplaceOneOf(const char* set, char newCh);

  // --- Tests of one position: 0 outside the string.
  int IsAlpha(int pos) const;
  int IsAlphaNum(int pos) const;
  int IsUpper(int pos) const;
  int IsLower(int pos) const;
  int IsSpace(int pos) const;
  int IsDigit(int pos) const;

  // --- Prefix and suffix tests, 1 or 0; a null text counts as "".
  int IsPref(const char* text) const;
  int StartsWith(const char* text) const;
  int IsFlex(const char* text) const;
  int IsFlex(int end, const char* text) const;  // do the first end characters end with text
  int EndsWith(const char* text) const;
  int StartsWithNoCase(const char* text) const;
  int IsPrefNoCase(const char* text) const;
  int IsFlexNoCase(const char* text) const;
  int IsFlexNoCase(int end, const char* text) const;
  int EndsWithNoCase(const char* text) const;

  // --- printf-style formatting into the string; the language id is kept.
  // The arguments may point into this string. A format that the C run-time
  // refuses leaves the string unchanged.
  void Format(const char* format, ...) MSTRING_PRINTF_FORMAT(2, 3);

  // --- Scrambling: XOR with one fixed byte; applying it twice restores the text.
  void Code();
  void DeCode();

 private:
  // Where the header's length field (base/MCStringData.h) lies before the
  // first character; MCString.cpp checks it against the header's layout.
  static constexpr int kLengthBeforeChars = 8;
  int32_t StoredLength() const {
    return *reinterpret_cast<const int32_t*>(chars_ - kLengthBeforeChars);
  }
  MCStringData* Data() const { return MCStringData::Of(chars_); }
  // Every buffer made has room for one character at least; the empty one
  // alone has none.
  bool IsStaticEmpty() const { return Data()->capacity == 0; }
  // GetBufferSetLength where the buffer must be unshared or grown.
  char* ResizeBuffer(int newLength);
  bool HasPos(int pos) const;
  // Unshared (or locked), not the static empty string, room for `length`.
  bool IsWritableInPlace(int length) const;
  void CopyBeforeWrite();
  // Puts a fresh buffer (or the static empty string) in place of the current
  // one, which is released afterwards, so arguments may point into it. A
  // locked string stays locked.
  void Install(char* freshChars, unsigned short langId);
  void ReplaceBuffer(const char* text, int length, int capacity, unsigned short langId);
  void TakeBuffer(MCString& built);  // keeps this string's language id
  void AssignChars(const char* text, int length, unsigned short newBufferLangId);
  void Append(const char* text, int length);
  void Splice(int pos, const char* text, int length);
  void KeepRange(int first, int count);
  MCString Substring(int first, int count) const;
  int StartsWithText(const char* text, bool noCase) const;
  int EndsWithin(int end, const char* text, bool noCase) const;

  char* chars_;
};

// Concatenation builds a new buffer of exactly the summed length (id 0).
MBASE_API MCString operator+(const MCString& left, const MCString& right);
MBASE_API MCString operator+(const MCString& left, char right);
MBASE_API MCString operator+(const MCString& left, const char* right);
MBASE_API MCString operator+(char left, const MCString& right);
MBASE_API MCString operator+(const char* left, const MCString& right);

// Byte-wise comparisons of unsigned characters, as strcmp (null counts as "").
#define MCSTRING_COMPARISON(op)                                          \
  inline bool operator op(const MCString& left, const MCString& right) { \
    return left.Compare(right) op 0;                                     \
  }                                                                      \
  inline bool operator op(const MCString& left, const char* right) {     \
    return left.Compare(right) op 0;                                     \
  }                                                                      \
  inline bool operator op(const char* left, const MCString& right) {     \
    return 0 op right.Compare(left);                                     \
  }
MCSTRING_COMPARISON(==)
MCSTRING_COMPARISON(!=)
MCSTRING_COMPARISON(<)
MCSTRING_COMPARISON(>)
MCSTRING_COMPARISON(<=)
MCSTRING_COMPARISON(>=)
#undef MCSTRING_COMPARISON
