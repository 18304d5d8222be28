// What the two parsers of the table language (CVars::SplitString and
// CVal::SplitString) share: splitting a source line into its first word and
// the rest, the keyword and type-word tables, walking a block, the scratch
// constants of "#define" and "enum", the "const" and '=' lines, and the
// message boxes that report problems.
//
// The lines come from ReadStringArray (comments cut, trimmed, none empty).
// A problem shows one message box (type 0) and parsing goes on with the value
// left at 0. Internal to MorvexBase.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "base/MCString.h"

class CVar;
class MCObArray;
class MCStringArray;

namespace table_source {

// Captions and texts of the parsers' messages.
constexpr char kValCaption[] = "Error in Val";
constexpr char kVarsCaption[] = "Error in Vars";
constexpr char kUndefinedEnum[] = "Enum %s not defined.";
constexpr char kUnknownTable[] = "Table %s not find.";
constexpr char kUnknownArgument[] = "Argument %s not defined.";

// The name of a single table, and of a table set's table 0.
constexpr char kCommonTableName[] = "CommonVars";

// The first word of a line, compared without regard to case.
enum class Keyword { kNone = -1, kCorrTable = 0, kTable = 1, kDefine = 2, kEnum = 3, kConst = 4 };

// The code of an argument type word ("void" 0 ... "str=" 9, without regard
// to case), or -1.
int TypeWordCode(const MCString& word);

void ShowMessage(const char* format, const MCString& subject, const char* caption);

// The "" that name lookups answer when they find nothing.
const MCString& NoName();

struct SourceLine {
  MCString text;  // the whole line
  MCString rest;  // after the first space or tab, trimmed; the whole line without one
  Keyword keyword = Keyword::kNone;
};

// Walks the lines of one source, statement by statement.
class SourceCursor {
 public:
  explicit SourceCursor(const MCStringArray& lines);

  // The next line; false at the end.
  bool Next(SourceLine& line);
  // The next entry of the block that follows the line Next gave: the lines
  // up to the first one that begins with '}' (which ends the block and is
  // used up), skipping those that begin with '{'. Each entry loses one ','
  // at its end and is trimmed on the right; entries left empty are skipped.
  // False at the block's end.
  bool NextBlockEntry(MCString& entry);

 private:
  const MCStringArray& lines_;
  int next_ = 0;
};

// The named integer constants of "#define" lines and "enum" blocks, which
// exist while one source is parsed. Names are compared exactly.
class ScratchConstants {
 public:
  // "#define NAME value" (the line's rest). Every message has the caption
  // "Error in Val".
  void ReadDefine(const MCString& rest);
  // The entries of an "enum" block: NAME, or NAME = value.
  void ReadEnumBlock(SourceCursor& cursor);

  bool Lookup(const MCString& name, int32_t& value) const;
  // A number (with an optional sign) or a defined name. Otherwise shows
  // "Enum %s not defined." with the text under `caption`, sets value 0 and
  // returns false.
  bool Resolve(const MCString& text, const char* caption, int32_t& value) const;

 private:
  // A digit-led number, or a defined name; else the message and 0.
  int32_t ResolveUnsigned(const MCString& text) const;
  void Define(const MCString& name, int32_t value);

  std::map<std::string, int32_t> values_;
};

// A number is a decimal integer that begins with a digit, or (withSign)
// with '-' or '+' and a digit; its digits are read up to the first other
// character, and values past the 32-bit range stop at its ends.
bool ReadNumber(const MCString& text, bool withSign, int32_t& value);

// Splits an entry at its first ',' (outside double quotes when asked); both
// parts trimmed. Without such a ',' both parts are the whole entry.
void SplitEntry(const MCString& entry, bool outsideQuotes, MCString& name, MCString& value);

// The text inside a leading double quote (up to the next one, or the end);
// text that does not begin with one is returned as it is.
MCString Unquoted(const MCString& text);

// A "const NAME = value" line (the rest holds the assignment) or any other
// line with '=' (the whole line does): appends a variable named by the text
// before the first '=', valued by the text after it, of type 10000 for
// "const" and 0 otherwise. Lines without '=' add nothing. Messages go under
// `caption`.
void ReadAssignment(const SourceLine& line, const ScratchConstants& constants, const char* caption,
                    MCObArray& vars);

// Reads a statement that every source has ("#define", "enum", "const", and
// any line of another keyword, which counts when it holds '=') into
// constants and, for assignments, vars.
void ReadCommonStatement(const SourceLine& line, SourceCursor& cursor, ScratchConstants& constants,
                         const char* assignmentCaption, MCObArray& vars);

}  // namespace table_source
