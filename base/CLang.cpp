#include "base/CLang.h"

#include <cstring>
#include <initializer_list>

#include "base/PlainChars.h"

namespace {

unsigned char Byte(char ch) { return static_cast<unsigned char>(ch); }

// Fills field (length characters and a NUL) with text cut to fit and
// NUL-padded; a null text gives "".
void CopyCut(char* field, int length, const char* text) {
  const std::size_t room = static_cast<std::size_t>(length);
  std::memset(field, 0, room + 1);
  if (text) std::memcpy(field, text, strnlen(text, room));
}

const char* CopyOut(const char* field, char* dst) {
  if (dst) std::strcpy(dst, field);
  return field;
}

// The typographic characters of the ANSI pages that have no OEM form and
// their plain stand-ins.
char TypographicToOem(char ch) {
  switch (Byte(ch)) {
    case 130:
      return ',';
    case 132:
    case 147:
    case 148:
    case 171:
    case 187:
      return '"';
    case 145:
      return '`';
    case 146:
    case 180:
      return '\'';
    case 150:
    case 151:
    case 173:
      return '-';
    default:
      return '\0';
  }
}

// The OEM box-drawing characters drawn with ASCII.
char BoxDrawingToAnsi(char ch) {
  const unsigned char c = Byte(ch);
  if (c == 179 || c == 186) return ':';
  if (c == 196) return '-';
  if (c == 205) return '=';
  if ((c >= 176 && c <= 178) || (c >= 180 && c <= 185) || (c >= 187 && c <= 195) ||
      (c >= 197 && c <= 204) || (c >= 206 && c <= 223)) {
    return '+';
  }
  return ch;
}

// Maps every character of src through the table into dst (which may be
// src); the position of dst's terminating NUL.
char* MapThrough(const char* table, const char* src, char* dst) {
  if (!dst) return nullptr;
  const char* p = src ? src : "";
  char* out = dst;
  for (; *p; ++p, ++out) *out = table[Byte(*p)];
  *out = '\0';
  return out;
}

}  // namespace

CLang::CLang(const char* name, const char* abbreviation, unsigned short id) : id_(id) {
  CopyCut(abbreviation_, kAbbreviationLength, abbreviation);
  CopyCut(name_, kMaxNameLength, name);
  SetLetterCount(0);
}

CLang::~CLang() = default;

const char* CLang::GetLangStr(char* dst) const { return CopyOut(abbreviation_, dst); }

const char* CLang::GetLanguageString(char* dst) const { return CopyOut(name_, dst); }

// --- Rows and lookup tables

CLangLetter CLang::GetLetter(int index) const {
  CLangLetter letter = {};
  if (index < 0 || index >= letterCount_) return letter;
  letter.lower = lower_[index];
  letter.upper = upper_[index];
  letter.baseLower = baseLower_[index];
  letter.baseUpper = baseUpper_[index];
  letter.oemLower = oemLower_[index];
  letter.oemUpper = oemUpper_[index];
  letter.letterClass = class_[index];
  std::memcpy(letter.transliteration, transliteration_[index], sizeof letter.transliteration);
  return letter;
}

int CLang::SetLetter(int index, const CLangLetter& letter) {
  if (index < 0 || index >= kMaxLetters) return 0;
  const char characters[] = {letter.lower,     letter.upper,    letter.baseLower,
                             letter.baseUpper, letter.oemLower, letter.oemUpper};
  for (char ch : characters) {
    if (ch == '\0') return 0;
  }
  lower_[index] = letter.lower;
  upper_[index] = letter.upper;
  baseLower_[index] = letter.baseLower;
  baseUpper_[index] = letter.baseUpper;
  oemLower_[index] = letter.oemLower;
  oemUpper_[index] = letter.oemUpper;
  class_[index] = letter.letterClass;
  CopyCut(transliteration_[index], kTransliterationLength, letter.transliteration);
  return 1;
}

void CLang::SetLetterCount(int count) {
  if (count < 0) count = 0;
  if (count > kMaxLetters) count = kMaxLetters;
  letterCount_ = static_cast<std::uint8_t>(count);
  const std::size_t rest = static_cast<std::size_t>(kMaxLetters - count);
  for (char* column : {upper_, lower_, baseUpper_, baseLower_, oemUpper_, oemLower_, class_}) {
    std::memset(column + count, 0, rest);
  }
  std::memset(&transliteration_[0][0] + count * sizeof transliteration_[0], 0,
              rest * sizeof transliteration_[0]);
  BuildLookupTables();
}

void CLang::BuildLookupTables() {
  std::memset(lowerRow_, kNoRow, sizeof lowerRow_);
  std::memset(upperRow_, kNoRow, sizeof upperRow_);
  std::memset(letterRow_, kNoRow, sizeof letterRow_);
  // Walking the rows from the last to the first leaves the first row that
  // holds a character in each table, as the rows read in order would give.
  for (int i = letterCount_ - 1; i >= 0; --i) {
    lowerRow_[Byte(lower_[i])] = static_cast<std::int8_t>(i);
    upperRow_[Byte(upper_[i])] = static_cast<std::int8_t>(i);
    letterRow_[Byte(lower_[i])] = static_cast<std::int8_t>(i);
    letterRow_[Byte(upper_[i])] = static_cast<std::int8_t>(i);
  }
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    const char typographic = TypographicToOem(ch);
    const int row = letterRow_[c];
    if (typographic != '\0') {
      ansiToOem_[c] = typographic;
    } else if (row == kNoRow) {
      ansiToOem_[c] = ch;
    } else {
      ansiToOem_[c] = lower_[row] == ch ? oemLower_[row] : oemUpper_[row];
    }
    oemToAnsi_[c] = BoxDrawingToAnsi(ch);
  }
  for (int i = letterCount_ - 1; i >= 0; --i) {
    oemToAnsi_[Byte(oemUpper_[i])] = upper_[i];
    oemToAnsi_[Byte(oemLower_[i])] = lower_[i];
  }
}

// --- Letter tests

int CLang::IsAlpha(char ch) const { return LetterRow(ch) != kNoRow || _isalpha(ch); }

int CLang::IsAlphaNum(char ch) const { return _isdigit(ch) || IsAlpha(ch); }

int CLang::IsUpper(char ch) const { return UpperRow(ch) != kNoRow || _isupper(ch); }

int CLang::IsLower(char ch) const { return LowerRow(ch) != kNoRow || _islower(ch); }

char CLang::IsVowel(char ch) const {
  const int row = LetterRow(ch);
  return row != kNoRow && class_[row] == 'v' ? ch : '\0';
}

char CLang::IsConsonant(char ch) const {
  const int row = LetterRow(ch);
  return row != kNoRow && class_[row] == 'c' ? ch : '\0';
}

int CLang::IsBaseAlpha(char ch) const {
  const int row = LetterRow(ch);
  if (row == kNoRow) return 0;
  return lower_[row] == ch ? ch == baseLower_[row] : ch == baseUpper_[row];
}

int CLang::IsSpecAlpha(char ch) const { return LetterRow(ch) != kNoRow && !IsBaseAlpha(ch); }

int CLang::IsBaseLower(char ch) const {
  const int row = LowerRow(ch);
  return row != kNoRow && ch == baseLower_[row];
}

int CLang::IsSpecLower(char ch) const {
  const int row = LowerRow(ch);
  return row != kNoRow && ch != baseLower_[row];
}

int CLang::IsBaseUpper(char ch) const {
  const int row = UpperRow(ch);
  return row != kNoRow && ch == baseUpper_[row];
}

int CLang::IsSpecUpper(char ch) const {
  const int row = UpperRow(ch);
  return row != kNoRow && ch != baseUpper_[row];
}

// --- Mappings

char CLang::ToLower(char ch) const {
  const int row = UpperRow(ch);
  return row == kNoRow ? ch : lower_[row];
}

char CLang::ToUpper(char ch) const {
  const int row = LowerRow(ch);
  return row == kNoRow ? ch : upper_[row];
}

char CLang::ToBaseLower(char ch) const {
  const int row = LetterRow(ch);
  return row == kNoRow ? ch : baseLower_[row];
}

char CLang::ToBaseUpper(char ch) const {
  const int row = LetterRow(ch);
  return row == kNoRow ? ch : baseUpper_[row];
}

char* CLang::StrLwr(char* s) const {
  for (char* p = s; p && *p; ++p) *p = ToLower(*p);
  return s;
}

char* CLang::StrUpr(char* s) const {
  for (char* p = s; p && *p; ++p) *p = ToUpper(*p);
  return s;
}

int CLang::CharToIndex(char ch) const { return LetterRow(ch); }

char CLang::IndexToChar(int index) const {
  return index >= 0 && index < letterCount_ ? lower_[index] : '\0';
}

// --- Code pages and transliteration

char CLang::CharAnsiToOem(char ch) const { return ansiToOem_[Byte(ch)]; }

char CLang::CharOemToAnsi(char ch) const { return oemToAnsi_[Byte(ch)]; }

char* CLang::StrAnsiToOem(const char* src, char* dst) const {
  return MapThrough(ansiToOem_, src, dst);
}

char* CLang::StrOemToAnsi(const char* src, char* dst) const {
  return MapThrough(oemToAnsi_, src, dst);
}

char* CLang::StrTransliterate(const char* src, char* dst) const {
  if (!dst) return nullptr;
  const char* p = src ? src : "";
  char* out = dst;
  bool capital = false;
  bool first = true;
  for (; *p; ++p) {
    const int row = LetterRow(*p);
    if (row == kNoRow) {
      *out++ = *p;
      continue;
    }
    if (upper_[row] != lower_[row]) {
      capital = *p == upper_[row];
    } else if (first) {
      capital = p[1] != '\0' && IsUpper(p[1]);
    }
    first = false;
    // The Latin output is capitalised by the 7-bit rule: the alphabet's own
    // capitals would leave Latin letters of a Cyrillic alphabet small.
    for (const char* t = transliteration_[row]; *t; ++t) *out++ = capital ? __toupper(*t) : *t;
  }
  *out = '\0';
  return out;
}
