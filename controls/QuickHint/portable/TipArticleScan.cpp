#include "TipArticleScan.h"

namespace morvex::quickhint {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kBlank = ' ';

}  // namespace

std::vector<TipRange> ScanTipArticle(char* text, size_t length) {
  std::vector<TipRange> ranges;
  if (length == 0) {
    ranges.push_back({0, 0, kTipPlain});
    return ranges;
  }
  int32_t carriageReturns = 0;
  int32_t currentStart = 0;
  int32_t lastBlank = -1;
  int32_t tail = -1;
  for (size_t i = 0; i < length; ++i) {
    const int32_t position = static_cast<int32_t>(i) - carriageReturns;
    switch (text[i]) {
      case kCarriageReturn:
        ++carriageReturns;
        break;
      case '{':
        if (i > 0) ranges.push_back({currentStart, position, kTipPlain});
        text[i] = kBlank;
        currentStart = position;
        break;
      case '}':
        ranges.push_back({currentStart, position, kTipBraced});
        text[i] = kBlank;
        currentStart = position + 1;
        break;
      case '\\':
        text[i] = kBlank;
        tail = position + 1;
        break;
      case kBlank:
        lastBlank = position;
        break;
      case ')':
        // The label takes the blank before its word and the parenthesis.
        ranges.push_back({lastBlank, position + 1, kTipLabel});
        currentStart = position + 2;
        break;
      default:
        break;
    }
  }
  const int32_t end = static_cast<int32_t>(length) - carriageReturns;
  if (tail < 0) {
    ranges.push_back({currentStart, end, kTipPlain});
  } else {
    ranges.push_back({currentStart, tail - 1, kTipPlain});
    ranges.push_back({tail, end, kTipReference});
  }
  return ranges;
}

size_t ShownOffsetOfPosition(const char* text, size_t length, int32_t position) {
  size_t offset = 0;
  for (int32_t counted = 0; counted < position && offset < length; ++counted) {
    // A line end is one position but two bytes.
    if (text[offset] == kCarriageReturn && offset + 1 < length && text[offset + 1] == '\n')
      ++offset;
    ++offset;
  }
  return offset;
}

}  // namespace morvex::quickhint
