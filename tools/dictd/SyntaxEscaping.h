// Source text made safe for the engine's plain article syntax, in which a
// few characters and patterns carry structure: brackets ("[", "{", "<"),
// ";" between synonyms, "\" before the entry's reference, "text)" as a
// label, "(...)" at a synonym's start as its context, a lone character and
// a point ("p. ") as a meaning's code, one or two digits and a point ("5.")
// as a group's number, and a lone capital letter before a word as a
// word's part-of-speech code. The article text builder passes every text
// of an article through here, in the dictionary's code page, so that the
// engine reads the article back exactly as it was written.
//
// Structure marks inside text become their nearest plain look-alikes
// (brackets become parentheses, "<" and ">" guillemets, ";" a comma, "\" a
// slash); where only a blank makes a pattern, it becomes a no-break space
// (0xA0 in both code pages), which reads the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

constexpr char kNoBreakSpace = '\xA0';

// The words of a synonym, with its labels: leading parts in parentheses of
// the words join the labels (they would read as the synonym's context,
// which the dictionary form leaves out), a closing parenthesis without its
// opener is dropped (it would end a label). Empty labels are dropped.
struct EscapedSynonym {
  std::vector<std::string> labels;
  std::string words;
};
EscapedSynonym EscapeSynonym(const std::vector<std::string>& labels, std::string_view words);

// The reference of an entry: the rest of the article after "\", so only
// blanks and line ends need care.
std::string EscapeReference(std::string_view reference);

// A head word: control characters become blanks, blank runs one blank, the
// ends trimmed.
std::string CleanHeadWord(std::string_view word);
