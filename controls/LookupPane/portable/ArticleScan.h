// The viewer's article scan: one pass over the 8-bit article text (the
// dictionary form) that turns its mark-up into format runs and blanks out
// the mark-up characters. The text before the first brace is the head
// word, braces enclose grammar and comments, a word closed by ")" is a
// label, a backslash starts the reference part; the rest is translation.
// Also which language each byte is shown in, so that the text can be
// decoded once, each byte in its own code page.
//
// Portable: used by the viewer's article view (ArticleView.cpp), tested
// natively and fuzzed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvex::lookuppane {

// What a run shows as.
enum ArticleRunKind : int32_t {
  kHeadWord = 0,     // bold, in the input language
  kBraced = 1,       // between "{" and "}": italic grey
  kTranslation = 2,  // the text colour
  kReference = 3,    // after a backslash: a blue underlined link, input language
  kLabel = 4,        // a blank-delimited word ending in ")": grey
};

// One format run. Positions count characters as the rich edit holds them,
// where a carriage return plus line feed is one character; end is
// exclusive. A run may come out empty or reversed: formatting skips these.
struct ArticleRun {
  int32_t start;
  int32_t end;
  int32_t kind;
};

// Scans `length` bytes of `text`, changing braces and backslashes into
// blanks in place; the runs in the order the scan made them. The head word
// ends at the first line end at the latest, so that a first meaning
// without a code is not shown as head word; a label never reaches back
// before the end of the run before it.
std::vector<ArticleRun> ScanArticle(char* text, size_t length);

// The language a byte is shown in.
enum class ArticleSide : uint8_t { kInput, kOutput };

// The side of a run kind: the head word and the reference are in the input
// language, everything else in the output language.
ArticleSide SideOfKind(int32_t kind);

// For each of the `length` bytes of the scanned text, the side of the last
// run (in scan order) that covers its position; a byte no run covers is
// translation text, of the output side.
std::vector<ArticleSide> SidesOfBytes(const char* text, size_t length,
                                      const std::vector<ArticleRun>& runs);

// The index of the first byte of `text` whose position (as the scan counts
// them) is `position` or later; `length` when there is none.
size_t ByteOfPosition(const char* text, size_t length, int32_t position);

}  // namespace morvex::lookuppane
