// Small text helpers that the layout parsers of the dictd sources share:
// blanks, bracketed parts and the splitting of a sense into synonyms. UTF-8
// in and out; every mark they look for is ASCII, so multi-byte characters
// pass through untouched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/dictd/SourceArticle.h"

// Tabs and line ends become blanks, blank runs one blank, both ends trimmed.
std::string CollapseBlanks(std::string_view text);

// The text without its parts in `open`/`close` brackets (not nested); an
// opener without its closer stays as it is.
std::string WithoutBracketed(std::string_view text, char open, char close);

// The text collapsed, without the blanks and commas that the removal of a
// part leaves behind: " )" and "( " lose their blank; a comma after a blank
// or an opening parenthesis, at either end or before ")" or ";" goes.
std::string TidyPunctuation(std::string_view text);

// A sense written in the convention that labels are words starting with
// "_" (such as "_разг."): cut at ";" into synonyms, the leading labels and
// leading parts in parentheses of each taken as its labels, the marks of
// the other labels removed.
std::vector<SourceSynonym> SynonymsOfSense(std::string_view text);

// The label's text without its mark and its closing point: "_разг." gives
// "разг".
std::string LabelText(std::string_view token);
