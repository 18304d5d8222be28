// The byte layout of a dictionary grammar string: see GramStringFormat.h.
#include "grammar/GramStringFormat.h"

#include <cstring>

namespace gram_string {

namespace {

struct CaseLetter {
  unsigned bit;
  unsigned char latin;
  unsigned char cyrillic;  // code page 1251
};

// In the order the letters are written.
constexpr CaseLetter kCaseLetters[] = {
    {1, 'N', 0xC8}, {2, 'G', 0xD0},  {4, 'D', 0xC4},
    {8, 'A', 0xC2}, {16, 'I', 0xD2}, {32, 'P', 0xCF},
};

bool IsIn(unsigned char c, const unsigned char* set) {
  return std::strchr(reinterpret_cast<const char*>(set), c) != nullptr;
}

char* WriteLetters(unsigned bits, char* out, bool cyrillic) {
  for (const CaseLetter& letter : kCaseLetters) {
    if (bits & letter.bit) *out++ = static_cast<char>(cyrillic ? letter.cyrillic : letter.latin);
  }
  return out;
}

}  // namespace

const unsigned char kPersonEnds[] = {kCaseMarker, kControlMarker, 0xFC, 0xFD, 0xFE, 0xFF, 0};
const unsigned char kCaseEnds[] = {kControlMarker, 0xFC, 0xFD, 0xFE, 0xFF, 0};
const unsigned char kControlEnds[] = {kCaseMarker, 0xFC, 0xFD, 0xFE, 0xFF, 0};
const unsigned char kSemanticsEnds[] = {kParadigmMarker, kReferenceMarker, 0};
const unsigned char kParadigmNameEnds[] = {kReferenceMarker, kSemanticsMarker, 0};
const unsigned char kSubClassDisplayEnds[] = {kCaseMarker,      kControlMarker,   kParadigmMarker,
                                              kReferenceMarker, kSemanticsMarker, 0};

int CaseBitOfLetter(unsigned char c) {
  for (const CaseLetter& letter : kCaseLetters) {
    if (c == letter.latin || c == letter.cyrillic) return static_cast<int>(letter.bit);
  }
  return 0;
}

char* WriteCaseLetters(unsigned bits, char* out) { return WriteLetters(bits, out, false); }

char* WriteCyrillicCaseLetters(unsigned bits, char* out) { return WriteLetters(bits, out, true); }

char* WriteDecimal(unsigned value, char* out) {
  char digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

const unsigned char* ReadDecimal(const unsigned char* p, unsigned* value) {
  unsigned number = 0;
  for (;; ++p) {
    number = number * 10u + static_cast<unsigned>(*p - '0');
    if (!IsDigit(p[1])) break;
  }
  *value = number;
  return p;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool IsSectionMarker(unsigned char c) {
  return c == kPersonMarker || c == kCaseMarker || c == kControlMarker || c >= kParadigmMarker;
}

bool IsWritableSemanticIndex(int index) {
  if (index < 0 || index + 1 > 0xFF) return false;
  const unsigned char byte = static_cast<unsigned char>(index + 1);
  return !IsIn(byte, kSemanticsEnds) && byte != kSemanticsMarker;
}

const unsigned char* LastBefore(const unsigned char* p, const unsigned char* ends) {
  const unsigned char* q = p + 1;
  while (*q != 0 && !IsIn(*q, ends)) ++q;
  return q - 1;
}

ParadigmText ReadParadigm(const unsigned char* marker, const unsigned char* stops) {
  ParadigmText text;
  const unsigned char* p = marker + 1;
  text.last = marker;
  if (IsDigit(*p)) {
    text.kind = ParadigmText::kNumber;
    p = ReadDecimal(p, &text.number);
    const unsigned char next = p[1];
    if (next != 0 && next != ':' && !IsIn(next, stops)) {
      text.mod = next;
      ++p;
    }
    if (p[1] == ':') {
      ++p;
      if (IsDigit(p[1])) p = ReadDecimal(p + 1, &text.base);
    }
    text.last = p;
  } else if (*p != 0 && !IsIn(*p, stops)) {
    text.kind = ParadigmText::kName;
    text.name = p;
    text.last = LastBefore(marker, stops);
    text.nameLength = static_cast<int>(text.last - marker);
  }
  return text;
}

SubClassText ReadSubClass(const unsigned char* marker) {
  SubClassText text;
  const unsigned char* p = marker + 1;
  text.last = marker;
  if (IsDigit(*p)) {
    text.hasValue = true;
    text.last = ReadDecimal(p, &text.value);
  } else if (*p != 0) {
    text.hasValue = true;
    text.value = *p;
    text.last = p;
  }
  return text;
}

const unsigned char* LastOfDecodedItem(const unsigned char* p) {
  switch (*p) {
    case kPersonMarker:
      return LastBefore(p, kPersonEnds);
    case kCaseMarker:
      return LastBefore(p, kCaseEnds);
    case kControlMarker:
      return LastBefore(p, kControlEnds);
    case kParadigmMarker:
      return ReadParadigm(p, kParadigmNameEnds).last;
    case kSubClassMarker:
      return ReadSubClass(p).last;
    case kSemanticsMarker:
      return LastBefore(p, kSemanticsEnds);
    case kReferenceMarker:
      return p + std::strlen(reinterpret_cast<const char*>(p)) - 1;
    default:
      return p;
  }
}

const unsigned char* LastOfDisplayedItem(const unsigned char* p) {
  switch (*p) {
    case kParadigmMarker:
      return LastBefore(p, kParadigmNameEnds);
    case kSubClassMarker:
      return LastBefore(p, kSubClassDisplayEnds);
    default:
      return LastOfDecodedItem(p);
  }
}

}  // namespace gram_string
