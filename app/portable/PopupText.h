// The text work of the popup translation, apart from windows and COM: the
// captured selection trimmed to a word, the article cleaned for the tip,
// the lookup that shortens a word it cannot find, and where the tip goes on
// the screen. Portable, so that the native trees test it under the
// sanitizers; the tip host (Windows) calls it with the system's letter
// test and the dictionary's Find.
//
// Texts are 8-bit, in the system's ANSI code page (1251 for Russian).
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace morvex::solo {

// What counts as a letter of the ANSI code page (the program passes the
// system's IsCharAlphaA).
using LetterTest = bool (*)(unsigned char c);

// The selection as a word, in place: upper-case ASCII and the upper-case
// letters 0xC0-0xDF of code page 1251 lowered (0xA8 stays), then
// everything before the first and after the last letter cut off; what
// stands between stays ("hello, world"). No letter at all gives "".
void TrimCapturedWord(std::string* text, LetterTest isLetter);

// The article as the tip's body: from its first TAB on (the head word's
// line goes), or from after its first line end when lines of meaning stand
// before that TAB, or whole when it holds no TAB; every TAB and 0xB7 taken
// out.
std::string CleanArticleText(const std::string& article);

// One search of the current dictionary, as the tip host asks it.
enum class FindKind { kExact, kNear };
struct FoundArticle {
  bool found = false;   // an article came back
  std::string word;     // the word the dictionary answered with (may be empty)
  std::string article;  // the article, 8-bit
};
using Finder = std::function<FoundArticle(FindKind kind, const std::string& word)>;

// What the tip shows for a captured word.
struct TipText {
  std::string header;  // the word shown in the tip's header
  std::string body;    // the article cleaned, or one blank when there is none
};

// Exact first; else near with the whole word, then one character fewer
// each time down to one character: a near search of the empty word would
// give the dictionary's first word, which the user never asked for. A near
// hit shows its word in the header; an article of fewer than two
// characters gives a blank body under the captured word.
TipText LookUpText(const std::string& captured, const Finder& find);

// Where the tip goes, and its size: with no point (the hot key, x and y
// negative) centred on the foreground window's rectangle (or the screen
// when there is none), else at the point; its height at most the screen's,
// and its left and top on the screen, so a tall article or a window partly
// off the screen never hides the header.
struct TipRect {
  long x, y, cx, cy;
};
struct ScreenRect {
  long left, top, right, bottom;
};
TipRect PlaceTipRect(long x, long y, long cx, long cy, long screenWidth, long screenHeight,
                     const ScreenRect* foreground);

}  // namespace morvex::solo
