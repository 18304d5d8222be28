// Texts made safe for the plain article syntax (tools/dictd/SyntaxEscaping.h).
#include "tools/dictd/SyntaxEscaping.h"

namespace {

constexpr char kLeftGuillemet = '\xAB';  // in 1251 and 1252 alike
constexpr char kRightGuillemet = '\xBB';

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

char PlainLookAlike(char ch) {
  switch (ch) {
    case '[':
    case '{':
      return '(';
    case ']':
    case '}':
      return ')';
    case '<':
      return kLeftGuillemet;
    case '>':
      return kRightGuillemet;
    case '\\':
      return '/';
    case ';':
      return ',';
    default:
      return static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch;
  }
}

std::string Collapsed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingBlank = false;
  for (char ch : text) {
    if (ch == ' ') {
      pendingBlank = !out.empty();
      continue;
    }
    if (pendingBlank) out += ' ';
    pendingBlank = false;
    out += ch;
  }
  return out;
}

std::string WithLookAlikes(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = PlainLookAlike(ch);
  return Collapsed(out);
}

// One or two digits and a point not followed by a digit: a group number.
bool IsGroupNumberWord(std::string_view word) {
  size_t digits = 0;
  while (digits < word.size() && IsDigit(word[digits])) ++digits;
  if (digits == 0 || digits > 2 || digits >= word.size() || word[digits] != '.') return false;
  return digits + 1 == word.size() || !IsDigit(word[digits + 1]);
}

// Blank-separated words that the syntax would read as structure, guarded
// with no-break spaces: a lone character before another word (a word's
// part-of-speech code, or the entry's when it opens the article), a lone
// character with a point ("p.", a meaning's code), a group number ("5.").
// At the end of a synonym's words what follows is "; ", a blank and more
// of the article, or nothing: `synonymEnd` guards a point there and a text
// that is one character; a label ends in ")" and needs neither.
std::string GuardedWords(std::string_view text, bool synonymEnd) {
  std::string out;
  out.reserve(text.size() + 8);
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(' ', start);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    start = end + 1;
    const bool codeWithPoint = word.size() == 2 && word[1] == '.' && !IsDigit(word[0]);
    const bool bindsNext = last ? synonymEnd && (codeWithPoint || text.size() == 1)
                                : word.size() == 1 || codeWithPoint;
    if (IsGroupNumberWord(word)) {
      const size_t point = word.find('.');
      out.append(word.substr(0, point));
      out += kNoBreakSpace;
      out.append(word.substr(point));
    } else {
      out.append(word);
    }
    if (bindsNext) {
      out += kNoBreakSpace;
    } else if (!last) {
      out += ' ';
    }
  }
  return out;
}

// The position after the parenthesis that closes the one at 0, or npos.
size_t AfterLeadingParentheses(std::string_view text) {
  int depth = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) return i + 1;
  }
  return std::string_view::npos;
}

std::string WithoutUnopenedClosers(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  int depth = 0;
  for (char ch : text) {
    if (ch == '(') ++depth;
    if (ch == ')') {
      if (depth == 0) continue;
      --depth;
    }
    out += ch;
  }
  return out;
}

std::string EscapedLabel(std::string_view label) {
  std::string text = WithLookAlikes(label);
  for (char& ch : text) {
    if (ch == '(' || ch == ')') ch = ' ';
  }
  return GuardedWords(Collapsed(text), false);
}

}  // namespace

EscapedSynonym EscapeSynonym(const std::vector<std::string>& labels, std::string_view words) {
  EscapedSynonym out;
  std::vector<std::string> rawLabels = labels;
  std::string rest = WithLookAlikes(words);
  while (!rest.empty() && rest[0] == '(') {
    const size_t after = AfterLeadingParentheses(rest);
    if (after == std::string::npos) break;
    rawLabels.push_back(rest.substr(1, after - 2));
    rest = Collapsed(std::string_view(rest).substr(after));
  }
  for (const std::string& label : rawLabels) {
    std::string escaped = EscapedLabel(label);
    if (!escaped.empty()) out.labels.push_back(std::move(escaped));
  }
  out.words = GuardedWords(Collapsed(WithoutUnopenedClosers(rest)), true);
  return out;
}

std::string EscapeReference(std::string_view reference) { return WithLookAlikes(reference); }

std::string CleanHeadWord(std::string_view word) {
  std::string out(word);
  for (char& ch : out) {
    if (static_cast<unsigned char>(ch) < 0x20) ch = ' ';
  }
  return Collapsed(out);
}
