// Text helpers of the layout parsers (tools/dictd/LayoutText.h).
#include "tools/dictd/LayoutText.h"

namespace {

constexpr char kLabelMark = '_';

bool IsBlankChar(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

// The label marks at the start of each word removed.
std::string WithoutLabelMarks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const bool wordStart = i == 0 || IsBlankChar(text[i - 1]) || text[i - 1] == '(';
    if (text[i] == kLabelMark && wordStart) continue;
    out += text[i];
  }
  return out;
}

// The position after the closer of the parenthesis at `open`, or npos when
// it is not closed.
size_t AfterClosingParenthesis(std::string_view text, size_t open) {
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) return i + 1;
  }
  return std::string_view::npos;
}

// The pieces of `text` between the `separator`s that stand outside
// parentheses, each collapsed; empty pieces are dropped.
std::vector<std::string> SplitOutsideParentheses(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  int depth = 0;
  size_t start = 0;
  auto emit = [&](size_t end) {
    std::string piece = CollapseBlanks(text.substr(start, end - start));
    if (!piece.empty()) pieces.push_back(std::move(piece));
    start = end + 1;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && depth > 0) --depth;
    if (text[i] == separator && depth == 0) emit(i);
  }
  emit(text.size());
  return pieces;
}

SourceSynonym SynonymOf(std::string_view piece) {
  SourceSynonym synonym;
  std::string rest = CollapseBlanks(piece);
  for (;;) {
    if (rest.size() > 1 && rest[0] == kLabelMark) {
      const size_t end = rest.find(' ');
      const std::string label = LabelText(std::string_view(rest).substr(0, end));
      if (!label.empty()) synonym.labels.push_back(label);
      rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
      continue;
    }
    if (!rest.empty() && rest[0] == '(') {
      const size_t after = AfterClosingParenthesis(rest, 0);
      if (after == std::string::npos) break;
      const std::string label = CollapseBlanks(WithoutLabelMarks(rest.substr(1, after - 2)));
      if (!label.empty()) synonym.labels.push_back(label);
      // Parts in parentheses listed with commas are labels one after another.
      const size_t next = rest.find_first_not_of(", ", after);
      rest = next == std::string::npos ? std::string() : CollapseBlanks(rest.substr(next));
      continue;
    }
    break;
  }
  synonym.words = CollapseBlanks(WithoutLabelMarks(rest));
  return synonym;
}

}  // namespace

std::string CollapseBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingBlank = false;
  for (char ch : text) {
    if (IsBlankChar(ch)) {
      pendingBlank = !out.empty();
      continue;
    }
    if (pendingBlank) out += ' ';
    pendingBlank = false;
    out += ch;
  }
  return out;
}

std::string WithoutBracketed(std::string_view text, char open, char close) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == open) {
      const size_t closer = text.find(close, i + 1);
      if (closer != std::string_view::npos) {
        i = closer;
        out += ' ';
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string TidyPunctuation(std::string_view text) {
  std::string out = CollapseBlanks(text);
  std::string tidy;
  tidy.reserve(out.size());
  for (size_t i = 0; i < out.size(); ++i) {
    const char ch = out[i];
    const char next = i + 1 < out.size() ? out[i + 1] : 0;
    // A blank before a closing parenthesis or after an opening one.
    if (ch == ' ' && (next == ')' || (!tidy.empty() && tidy.back() == '('))) continue;
    // A comma that followed the removed part, or that nothing follows.
    const char before = tidy.empty() ? 0 : tidy.back();
    if (ch == ',' && (before == 0 || before == ' ' || before == '(' || before == ',' || next == 0 ||
                      next == ')' || next == ';')) {
      continue;
    }
    tidy += ch;
  }
  return CollapseBlanks(tidy);
}

std::vector<SourceSynonym> SynonymsOfSense(std::string_view text) {
  std::vector<SourceSynonym> synonyms;
  for (const std::string& piece : SplitOutsideParentheses(text, ';')) {
    SourceSynonym synonym = SynonymOf(piece);
    if (!synonym.labels.empty() || !synonym.words.empty()) synonyms.push_back(std::move(synonym));
  }
  return synonyms;
}

std::string LabelText(std::string_view token) {
  if (!token.empty() && token.front() == kLabelMark) token.remove_prefix(1);
  if (!token.empty() && token.back() == '.') token.remove_suffix(1);
  return std::string(token);
}
