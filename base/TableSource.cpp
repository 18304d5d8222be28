#include "base/TableSource.h"

#include <algorithm>

#include "base/CVar.h"
#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/OwnedObjects.h"

namespace table_source {

namespace {

const char* const kKeywords[] = {"corrtable", "table", "#define", "enum", "const"};

const char* const kTypeWords[] = {"void", "obj",  "char",  "char=", "int",
                                  "int=", "bool", "bool=", "str",   "str="};

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The position of the first space or tab, or -1.
int FindBlank(const MCString& text) { return text.FindOneOf(" \t"); }

Keyword KeywordOf(const MCString& word) {
  for (int i = 0; i < static_cast<int>(sizeof kKeywords / sizeof kKeywords[0]); ++i) {
    if (word.CompareNoCase(kKeywords[i]) == 0) return static_cast<Keyword>(i);
  }
  return Keyword::kNone;
}

std::string Key(const MCString& name) {
  return std::string(static_cast<const char*>(name), static_cast<size_t>(name.GetLength()));
}

}  // namespace

int TypeWordCode(const MCString& word) {
  for (int i = 0; i < static_cast<int>(sizeof kTypeWords / sizeof kTypeWords[0]); ++i) {
    if (word.CompareNoCase(kTypeWords[i]) == 0) return i;
  }
  return -1;
}

void ShowMessage(const char* format, const MCString& subject, const char* caption) {
  MCString text;
  text.Format(format, static_cast<const char*>(subject));
  MMessageBox(text, caption, 0);
}

const MCString& NoName() {
  static const MCString empty;
  return empty;
}

SourceCursor::SourceCursor(const MCStringArray& lines) : lines_(lines) {}

bool SourceCursor::Next(SourceLine& line) {
  if (next_ >= lines_.GetSize()) return false;
  line.text = lines_[next_++];
  const int blank = FindBlank(line.text);
  line.keyword = KeywordOf(blank < 0 ? line.text : line.text.Left(blank));
  line.rest = blank < 0 ? line.text : line.text.Mid(blank + 1);
  line.rest.Trim();
  return true;
}

bool SourceCursor::NextBlockEntry(MCString& entry) {
  while (next_ < lines_.GetSize()) {
    const MCString& line = lines_[next_++];
    if (line.StartsWith("}")) return false;
    if (line.StartsWith("{")) continue;
    entry = line;
    if (entry.EndsWith(",")) entry = entry.Left(entry.GetLength() - 1);
    entry.TrimRight();
    if (!entry.IsEmpty()) return true;
  }
  return false;
}

bool ReadNumber(const MCString& text, bool withSign, int32_t& value) {
  int pos = 0;
  bool negative = false;
  if (withSign && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    pos = 1;
  }
  if (!IsDigit(text[pos])) return false;
  constexpr int64_t kLimit = -static_cast<int64_t>(INT32_MIN);
  int64_t magnitude = 0;
  for (; IsDigit(text[pos]); ++pos) {
    magnitude = std::min<int64_t>(magnitude * 10 + (text[pos] - '0'), kLimit);
  }
  value = static_cast<int32_t>(negative ? -magnitude : std::min<int64_t>(magnitude, INT32_MAX));
  return true;
}

void ScratchConstants::Define(const MCString& name, int32_t value) { values_[Key(name)] = value; }

bool ScratchConstants::Lookup(const MCString& name, int32_t& value) const {
  const auto found = values_.find(Key(name));
  if (found == values_.end()) return false;
  value = found->second;
  return true;
}

bool ScratchConstants::Resolve(const MCString& text, const char* caption, int32_t& value) const {
  if (ReadNumber(text, true, value) || Lookup(text, value)) return true;
  ShowMessage(kUndefinedEnum, text, caption);
  value = 0;
  return false;
}

int32_t ScratchConstants::ResolveUnsigned(const MCString& text) const {
  int32_t value = 0;
  if (ReadNumber(text, false, value) || Lookup(text, value)) return value;
  ShowMessage(kUndefinedEnum, text, kValCaption);
  return 0;
}

void ScratchConstants::ReadDefine(const MCString& rest) {
  const int blank = FindBlank(rest);
  const MCString name = blank < 0 ? rest : rest.Left(blank);
  MCString text = blank < 0 ? MCString() : rest.Mid(blank + 1);
  text.Trim();
  int32_t value = 0;
  if (text.IsEmpty() || text[0] == '"') {
    // No value, or a string: the constant is 0.
  } else if (text[0] == '\'') {
    // 'c' and '\c' give the code of c.
    const int pos = text[1] == '\\' ? 2 : 1;
    if (pos < text.GetLength()) {
      value = static_cast<unsigned char>(text[pos]);
    } else {
      ShowMessage(kUndefinedEnum, text, kValCaption);
    }
  } else {
    value = ResolveUnsigned(text);
  }
  Define(name, value);
}

void ScratchConstants::ReadEnumBlock(SourceCursor& cursor) {
  int32_t counter = 0;
  MCString entry;
  while (cursor.NextBlockEntry(entry)) {
    const int equals = entry.Find('=');
    if (equals < 0) {
      Define(entry, counter);
    } else {
      MCString name = entry.Left(equals);
      MCString text = entry.Mid(equals + 1);
      name.Trim();
      text.Trim();
      counter = ResolveUnsigned(text);
      Define(name, counter);
    }
    counter = counter == INT32_MAX ? INT32_MIN : counter + 1;
  }
}

void SplitEntry(const MCString& entry, bool outsideQuotes, MCString& name, MCString& value) {
  int comma = -1;
  bool quoted = false;
  for (int i = 0; i < entry.GetLength() && comma < 0; ++i) {
    if (outsideQuotes && entry[i] == '"') quoted = !quoted;
    if (entry[i] == ',' && !quoted) comma = i;
  }
  name = comma < 0 ? entry : entry.Left(comma);
  value = comma < 0 ? entry : entry.Mid(comma + 1);
  name.Trim();
  value.Trim();
}

MCString Unquoted(const MCString& text) {
  if (!text.StartsWith("\"")) return text;
  const int close = text.Find('"', 1);
  return close < 0 ? text.Mid(1) : text.Mid(1, close - 1);
}

void ReadAssignment(const SourceLine& line, const ScratchConstants& constants, const char* caption,
                    MCObArray& vars) {
  const bool isConst = line.keyword == Keyword::kConst;
  // The name of a '=' line begins the line itself; only "const" stands before it.
  const MCString& assignment = isConst ? line.rest : line.text;
  const int equals = assignment.Find('=');
  if (equals < 0) return;
  MCString name = assignment.Left(equals);
  MCString text = assignment.Mid(equals + 1);
  name.Trim();
  text.Trim();
  int32_t value = 0;
  constants.Resolve(text, caption, value);
  CVar* var = new CVar(name);
  if (var == nullptr) return;
  var->SetType(isConst ? CVar::kValueType : CVar::kPlainType);
  var->SetIntValue(value);
  AddOwned(vars, var);
}

void ReadCommonStatement(const SourceLine& line, SourceCursor& cursor, ScratchConstants& constants,
                         const char* assignmentCaption, MCObArray& vars) {
  switch (line.keyword) {
    case Keyword::kDefine:
      constants.ReadDefine(line.rest);
      break;
    case Keyword::kEnum:
      constants.ReadEnumBlock(cursor);
      break;
    default:
      ReadAssignment(line, constants, assignmentCaption, vars);
      break;
  }
}

}  // namespace table_source
