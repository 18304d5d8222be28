// The tip's article scan: one pass over the 8-bit article text that turns
// its small mark-up into formatted ranges and blanks out the mark-up
// characters, plus the position arithmetic the tip's copy needs. Braces
// enclose grammar and comments, a word closed by ")" is a label, a
// backslash starts the reference part.
//
// Portable: used by the tip control (QuickHintCtrl) and tested natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvex::quickhint {

// What a range shows as.
enum TipRangeKind : int32_t {
  kTipBraced = 1,     // between "{" and "}": italic grey
  kTipPlain = 2,      // the rest: the text colour
  kTipReference = 3,  // after a backslash: shown as plain text
  kTipLabel = 4,      // a blank-delimited word ending in ")": grey
};

// One formatted range. Positions count characters as a rich edit holds
// them, where a carriage return plus line feed is one character; end is
// exclusive. A range may come out empty or reversed, and a label with no
// blank before it starts at -1: the showing skips or clamps these.
struct TipRange {
  int32_t start;
  int32_t end;
  int32_t kind;
};

// Scans `length` bytes of `text`, changing braces and backslashes into
// blanks in place; the ranges in the order the scan produced them.
std::vector<TipRange> ScanTipArticle(char* text, size_t length);

// The byte offset in `text` (line ends as carriage return plus line feed)
// of rich-edit position `position` (each line end one character), clamped
// to the text.
size_t ShownOffsetOfPosition(const char* text, size_t length, int32_t position);

}  // namespace morvex::quickhint
