// The registrar-script parser: a tokenizer that splits the text into
// braces, '=', bare words and quoted strings (with variables replaced), and
// a recursive-descent parser over the tokens that builds the key tree.
// Every fault ends the parse with a message; nothing loops on bad input.
#include "com/registrar/RegistrarScript.h"

#include <cstdint>
#include <utility>

namespace morvex::registrar {
namespace {

struct Token {
  enum class Kind { kWord, kString, kOpen, kClose, kEquals, kEnd };
  Kind kind = Kind::kEnd;
  std::string text;  // words and strings, variables replaced
  int line = 0;
  int column = 0;

  bool IsName() const { return kind == Kind::kWord || kind == Kind::kString; }
  bool IsWord(const char* word) const { return kind == Kind::kWord && SameName(text, word); }
};

std::string Describe(const Token& token) {
  switch (token.kind) {
    case Token::Kind::kWord:
      return "'" + token.text + "'";
    case Token::Kind::kString:
      return "a quoted string";
    case Token::Kind::kOpen:
      return "'{'";
    case Token::Kind::kClose:
      return "'}'";
    case Token::Kind::kEquals:
      return "'='";
    case Token::Kind::kEnd:
      break;
  }
  return "the end of the script";
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsControl(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u < 0x20 && !IsSpace(c)) || u == 0x7F;
}

class Tokenizer {
 public:
  Tokenizer(std::string_view text, const std::vector<Variable>& variables, ParseError* error)
      : text_(text), variables_(variables), error_(error) {}

  // Splits the whole text; false (with the error set) on the first fault.
  bool Run(std::vector<Token>* tokens) {
    for (;;) {
      SkipSpace();
      Token token;
      token.line = line_;
      token.column = column_;
      if (position_ == text_.size()) {
        tokens->push_back(std::move(token));
        return true;
      }
      char c = text_[position_];
      if (IsControl(c)) return Fail(line_, column_, "unexpected control character");
      if (c == '\'') {
        if (!ReadQuoted(&token)) return false;
        tokens->push_back(std::move(token));
      } else if (c == '=') {
        Advance();
        token.kind = Token::Kind::kEquals;
        tokens->push_back(std::move(token));
      } else if (!ReadRun(tokens, token)) {
        return false;
      }
    }
  }

 private:
  void Advance() {
    if (text_[position_] == '\n') {
      ++line_;
      column_ = 1;
    } else {
      ++column_;
    }
    ++position_;
  }

  void SkipSpace() {
    while (position_ < text_.size() && IsSpace(text_[position_])) Advance();
  }

  bool Fail(int line, int column, std::string message) {
    error_->line = line;
    error_->column = column;
    error_->message = std::move(message);
    return false;
  }

  // 'text' with '' standing for one quote.
  bool ReadQuoted(Token* token) {
    Advance();
    std::string raw;
    for (;;) {
      if (position_ == text_.size()) return Fail(token->line, token->column, "unterminated string");
      char c = text_[position_];
      if (IsControl(c)) return Fail(line_, column_, "unexpected control character in a string");
      Advance();
      if (c == '\'') {
        if (position_ < text_.size() && text_[position_] == '\'') {
          Advance();
        } else {
          break;
        }
      }
      raw += c;
    }
    token->kind = Token::Kind::kString;
    return Replace(raw, *token, &token->text);
  }

  // A run of characters up to a space, a quote or '='. A run of braces only
  // is that many brace tokens; anything else ({GUID} included) is a word.
  bool ReadRun(std::vector<Token>* tokens, Token start) {
    std::string raw;
    bool bracesOnly = true;
    while (position_ < text_.size()) {
      char c = text_[position_];
      if (IsSpace(c) || c == '\'' || c == '=') break;
      if (IsControl(c)) return Fail(line_, column_, "unexpected control character");
      if (c != '{' && c != '}') bracesOnly = false;
      raw += c;
      Advance();
    }
    if (bracesOnly) {
      Token brace = start;
      for (char c : raw) {
        brace.kind = c == '{' ? Token::Kind::kOpen : Token::Kind::kClose;
        tokens->push_back(brace);
        ++brace.column;
      }
      return true;
    }
    start.kind = Token::Kind::kWord;
    if (!Replace(raw, start, &start.text)) return false;
    tokens->push_back(std::move(start));
    return true;
  }

  // Replaces %NAME% by its variable's value and %% by %.
  bool Replace(const std::string& raw, const Token& token, std::string* out) {
    out->clear();
    for (size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] != '%') {
        *out += raw[i];
        continue;
      }
      size_t close = raw.find('%', i + 1);
      if (close == std::string::npos)
        return Fail(token.line, token.column, "'%' without a closing '%'");
      std::string name = raw.substr(i + 1, close - i - 1);
      i = close;
      if (name.empty()) {
        *out += '%';
        continue;
      }
      const Variable* variable = Find(name);
      if (!variable) return Fail(token.line, token.column, "unknown variable %" + name + "%");
      *out += variable->value;
    }
    return true;
  }

  const Variable* Find(const std::string& name) const {
    for (const Variable& variable : variables_)
      if (SameName(variable.name, name)) return &variable;
    return nullptr;
  }

  std::string_view text_;
  const std::vector<Variable>& variables_;
  ParseError* error_;
  size_t position_ = 0;
  int line_ = 1;
  int column_ = 1;
};

class Parser {
 public:
  Parser(const std::vector<Token>& tokens, ParseError* error) : tokens_(tokens), error_(error) {}

  bool Run(Script* script) {
    while (Peek().kind != Token::Kind::kEnd) {
      RootBlock block;
      if (!ParseRoot(&block)) return false;
      script->roots.push_back(std::move(block));
    }
    return true;
  }

 private:
  const Token& Peek(size_t ahead = 0) const {
    size_t index = next_ + ahead;
    return index < tokens_.size() ? tokens_[index] : tokens_.back();
  }
  const Token& Take() {
    const Token& token = Peek();
    if (next_ < tokens_.size() - 1) ++next_;
    return token;
  }

  bool Fail(const Token& at, std::string message) {
    error_->line = at.line;
    error_->column = at.column;
    error_->message = std::move(message);
    return false;
  }

  bool ParseRoot(RootBlock* block) {
    const Token& name = Take();
    if (name.kind != Token::Kind::kWord)
      return Fail(name, "expected a root key, found " + Describe(name));
    static const struct {
      const char* shortName;
      const char* longName;
      Root root;
    } kRoots[] = {{"HKCR", "HKEY_CLASSES_ROOT", Root::kClassesRoot},
                  {"HKCU", "HKEY_CURRENT_USER", Root::kCurrentUser},
                  {"HKLM", "HKEY_LOCAL_MACHINE", Root::kLocalMachine}};
    bool known = false;
    for (const auto& entry : kRoots) {
      if (SameName(name.text, entry.shortName) || SameName(name.text, entry.longName)) {
        block->root = entry.root;
        known = true;
      }
    }
    if (!known) return Fail(name, "unknown root key '" + name.text + "' (HKCR, HKCU or HKLM)");
    const Token& open = Take();
    if (open.kind != Token::Kind::kOpen)
      return Fail(open, "expected '{' after " + name.text + ", found " + Describe(open));
    return ParseBody(open, 1, &block->keys, nullptr);
  }

  // The items between `open` and its '}'. `values` is null directly under a
  // root, where no value may stand.
  bool ParseBody(const Token& open, int depth, std::vector<Key>* keys,
                 std::vector<NamedValue>* values) {
    for (;;) {
      const Token& token = Peek();
      if (token.kind == Token::Kind::kClose) {
        Take();
        return true;
      }
      if (token.kind == Token::Kind::kEnd) {
        return Fail(token, "missing '}' for the '{' at line " + std::to_string(open.line) +
                               ", column " + std::to_string(open.column));
      }
      if (token.IsWord("val") && Peek(1).IsName()) {
        if (!values) return Fail(token, "a value must stand inside a key, not under a root");
        Take();
        NamedValue value;
        if (!ParseNamedValue(&value)) return false;
        values->push_back(std::move(value));
        continue;
      }
      Key key;
      if (!ParseKey(depth, &key)) return false;
      keys->push_back(std::move(key));
    }
  }

  bool ParseNamedValue(NamedValue* value) {
    const Token& name = Take();
    if (name.text.empty())
      return Fail(name, "a value name is empty (a key's default value is set with '= s')");
    value->name = name.text;
    const Token& equals = Take();
    if (equals.kind != Token::Kind::kEquals)
      return Fail(equals, "expected '=' after the value name '" + value->name + "', found " +
                              Describe(equals));
    return ParseTypedValue(&value->value);
  }

  bool ParseKey(int depth, Key* key) {
    if (depth > kMaxKeyDepth)
      return Fail(Peek(), "keys nested deeper than " + std::to_string(kMaxKeyDepth) + " levels");
    static const struct {
      const char* word;
      KeyMode mode;
    } kModes[] = {{"NoRemove", KeyMode::kNoRemove},
                  {"ForceRemove", KeyMode::kForceRemove},
                  {"Delete", KeyMode::kDelete}};
    if (Peek().kind == Token::Kind::kWord && Peek(1).IsName()) {
      for (const auto& entry : kModes) {
        if (Peek().IsWord(entry.word)) {
          key->mode = entry.mode;
          Take();
          break;
        }
      }
    }
    const Token& name = Take();
    if (!name.IsName()) return Fail(name, "expected a key name, found " + Describe(name));
    if (name.text.empty()) return Fail(name, "a key name is empty");
    if (name.text.find('\\') != std::string::npos)
      return Fail(name,
                  "the key name '" + name.text + "' holds a backslash: nest the keys instead");
    key->name = name.text;

    if (Peek().kind == Token::Kind::kEquals) {
      Take();
      Value value;
      if (!ParseTypedValue(&value)) return false;
      key->defaultValue = std::move(value);
    }
    if (Peek().kind == Token::Kind::kOpen) {
      const Token& open = Take();
      if (!ParseBody(open, depth + 1, &key->subkeys, &key->values)) return false;
    }
    if (key->mode == KeyMode::kDelete &&
        (key->defaultValue || !key->values.empty() || !key->subkeys.empty()))
      return Fail(name, "the Delete key '" + key->name + "' cannot hold values or subkeys");
    return true;
  }

  // s '<text>' or d '<number>'.
  bool ParseTypedValue(Value* value) {
    const Token& type = Take();
    if (type.kind != Token::Kind::kWord)
      return Fail(type, "expected a value type (s or d), found " + Describe(type));
    const Token& data = Peek();
    if (SameName(type.text, "s")) {
      if (data.kind != Token::Kind::kString)
        return Fail(data, "expected a quoted text after 's', found " + Describe(data));
      *value = Value::String(Take().text);
      return true;
    }
    if (SameName(type.text, "d")) {
      if (data.kind != Token::Kind::kString)
        return Fail(data, "expected a quoted number after 'd', found " + Describe(data));
      std::uint32_t number = 0;
      if (!ParseNumber(data.text, &number))
        return Fail(data, "'" + data.text + "' is not a number from 0 to 4294967295");
      Take();
      *value = Value::Number(number);
      return true;
    }
    return Fail(type, "unknown value type '" + type.text + "' (s or d)");
  }

  // Decimal, or hexadecimal after 0x; at most 32 bits.
  static bool ParseNumber(const std::string& text, std::uint32_t* number) {
    unsigned base = 10;
    size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
      base = 16;
      start = 2;
    }
    if (start == text.size()) return false;
    std::uint64_t result = 0;
    for (size_t i = start; i < text.size(); ++i) {
      char c = text[i];
      unsigned digit;
      if (c >= '0' && c <= '9') {
        digit = static_cast<unsigned>(c - '0');
      } else if (base == 16 && c >= 'a' && c <= 'f') {
        digit = static_cast<unsigned>(c - 'a' + 10);
      } else if (base == 16 && c >= 'A' && c <= 'F') {
        digit = static_cast<unsigned>(c - 'A' + 10);
      } else {
        return false;
      }
      result = result * base + digit;
      if (result > 0xFFFFFFFFu) return false;
    }
    *number = static_cast<std::uint32_t>(result);
    return true;
  }

  const std::vector<Token>& tokens_;
  ParseError* error_;
  size_t next_ = 0;
};

std::string_view Trim(std::string_view text) {
  static const char kByteOrderMark[] = "\xEF\xBB\xBF";
  if (text.substr(0, 3) == kByteOrderMark) text.remove_prefix(3);
  while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string ParseError::ToString() const {
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message;
}

bool ParseScript(std::string_view text, const std::vector<Variable>& variables, Script* script,
                 ParseError* error) {
  *script = Script();
  *error = ParseError();
  std::vector<Token> tokens;
  Script parsed;
  if (!Tokenizer(Trim(text), variables, error).Run(&tokens)) return false;
  if (!Parser(tokens, error).Run(&parsed)) return false;
  *script = std::move(parsed);
  return true;
}

}  // namespace morvex::registrar
