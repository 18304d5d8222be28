// The text source of the language data (Lang.txt) and its parser,
// CLangData::GetLanguageData.
//
// 8-bit text, one statement per line; a line that is empty or begins with
// '*' is a comment. Tokens are separated by spaces and tabs. A line whose
// first token is a keyword (any case) starts a statement:
//   LANG name abbreviation id   a new language; the id is hexadecimal (419)
//   CHAR n                      its letter rows follow (n is not trusted:
//                               the rows read make the letter count)
//   SORT, TRAN                  sections whose lines are skipped
// After CHAR, every other line up to the next keyword is a letter row of
// eight tokens:  Lower BaseLower Upper BaseUpper OemLower OemUpper Class
// Transliteration. A character token that begins with a digit is a decimal
// code, any other stands for its first character; "-" as a base letter is
// the row's own letter. A row with fewer tokens repeats its last one. Rows
// are the alphabet in dictionary order.
//
// What the parser refuses, so that it does no harm: rows outside a LANG ...
// CHAR section, rows past the 64th, rows with a NUL, blank or out-of-range
// character (a whitespace-only line among them), and languages whose id is 0
// or not a hexadecimal number of at most four digits. A repeated id replaces
// the earlier language.

#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/CLangData.h"
#include "base/CStrLex.h"
#include "base/MCFile.h"
#include "base/PlainChars.h"

namespace {

enum Keyword { kNoKeyword = -1, kLang = 0, kChar = 1, kSort = 2, kTran = 3 };

const char* const kKeywords[] = {"LANG", "CHAR", "SORT", "TRAN"};
const char kTokenSeparators[] = " \t";
constexpr int kMaxIdDigits = 4;

bool IsComment(const char* line) {
  return *line == '\0' || *line == '*' || *line == '\r' || *line == '\n';
}

// A hexadecimal language id, or 0 for anything else.
unsigned short ParseLangId(const char* token) {
  const std::size_t length = std::strlen(token);
  if (length == 0 || length > kMaxIdDigits) return 0;
  unsigned value = 0;
  for (const char* p = token; *p; ++p) {
    if (!_isxdigit(*p)) return 0;
    value = value * 16 + static_cast<unsigned>(_isdigit(*p) ? *p - '0' : __toupper(*p) - 'A' + 10);
  }
  return static_cast<unsigned short>(value);
}

// The character a token stands for: a decimal code 1..255 when it begins
// with a digit, else its first character. False for a code that is not a
// plain number in that range.
bool ParseCharacter(const char* token, char* ch) {
  if (!_isdigit(*token)) {
    *ch = *token;
    return true;
  }
  unsigned value = 0;
  for (const char* p = token; *p; ++p) {
    if (!_isdigit(*p)) return false;
    value = value * 10 + static_cast<unsigned>(*p - '0');
    if (value > 255) return false;
  }
  *ch = static_cast<char>(value);
  return true;
}

// The base letter token: "-" is the row's own letter.
bool ParseBase(const char* token, char own, char* ch) {
  if (std::strcmp(token, "-") == 0) {
    *ch = own;
    return true;
  }
  return ParseCharacter(token, ch);
}

// The row's tokens in the text order: Lower BaseLower Upper BaseUpper
// OemLower OemUpper Class Transliteration.
bool ParseLetterRow(CStrLex& lex, const char* line, CLangLetter* letter) {
  *letter = CLangLetter{};
  if (!ParseCharacter(lex.FirstStr(line), &letter->lower)) return false;
  // Both base tokens precede their own letter's token: keep them until the
  // letters are known.
  const MCString baseLower = lex.NextStr();
  if (!ParseCharacter(lex.NextStr(), &letter->upper)) return false;
  const MCString baseUpper = lex.NextStr();
  if (!ParseBase(baseLower, letter->lower, &letter->baseLower) ||
      !ParseBase(baseUpper, letter->upper, &letter->baseUpper) ||
      !ParseCharacter(lex.NextStr(), &letter->oemLower) ||
      !ParseCharacter(lex.NextStr(), &letter->oemUpper)) {
    return false;
  }
  letter->letterClass = *lex.NextStr();
  const char* transliteration = lex.NextStr();
  std::memcpy(letter->transliteration, transliteration,
              strnlen(transliteration, CLang::kTransliterationLength));
  return true;
}

}  // namespace

int GetLangAttrNameId(const char* word) {
  if (!word) return kNoKeyword;
  for (int code = kLang; code <= kTran; ++code) {
    if (__stricmp(word, kKeywords[code]) == 0) return code;
  }
  return kNoKeyword;
}

int CLangData::GetLanguageData(MCFile& text) {
  int entered = 0;
  std::unique_ptr<CLang> current;  // the language being read
  int rows = 0;
  int mode = kNoKeyword;
  auto closeCurrent = [&] {
    if (!current) return;
    current->SetLetterCount(rows);
    if (current->GetLangId() != 0) {
      Add(current.release());
      ++entered;
    }
    current.reset();
  };

  CStrLex lex(kTokenSeparators);
  MCString line;
  while (text.ReadString(line)) {
    if (IsComment(line)) continue;
    const int keyword = GetLangAttrNameId(lex.FirstStr(line));
    if (keyword != kNoKeyword) {
      mode = keyword;
      if (keyword == kLang) {
        closeCurrent();
        const MCString name = lex.NextStr();
        const MCString abbreviation = lex.NextStr();
        const unsigned short id = ParseLangId(lex.NextStr());
        current.reset(new CLang(name, abbreviation, id));
        rows = 0;
      } else if (keyword == kChar) {
        rows = 0;
      }
      continue;
    }
    if (mode != kChar || !current || rows >= CLang::kMaxLetters) continue;
    CLangLetter letter;
    if (ParseLetterRow(lex, line, &letter) && current->SetLetter(rows, letter)) ++rows;
  }
  closeCurrent();
  return entered;
}
