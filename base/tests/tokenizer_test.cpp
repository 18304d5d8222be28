// Tests of the tokenizers (CStrLex, CStrLine) and the string list (CZString).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/CStrLex.h"
#include "base/CStrLine.h"
#include "base/CZString.h"
#include "base/MCString.h"

namespace {

using Tokens = std::vector<std::string>;

// ---------------------------------------------------------------- CStrLex

// FirstStr then NextStr, `calls` results in all.
Tokens ReadWithNextStr(const char* separators, const char* text, int calls) {
  CStrLex lex(separators);
  Tokens tokens{lex.FirstStr(text)};
  while (static_cast<int>(tokens.size()) < calls) tokens.push_back(lex.NextStr());
  return tokens;
}

struct NextStrCase {
  const char* separators;
  const char* text;
  Tokens expected;  // FirstStr, then one NextStr per further entry
};

TEST(CStrLexTest, NextStrRepeatsTheLastPiecePastTheEnd) {
  const NextStrCase cases[] = {
      {" \t", "  LANG Russian ru 419", {"LANG", "Russian", "ru", "419", "419", "419"}},
      {" \t", "a b ", {"a", "b", "", ""}},
      {" \t", "\ta\t\tb", {"a", "b", "b"}},
      {" \t", "", {"", ""}},
      {" \t", "   ", {"", ""}},
      {nullptr, "x\r\ny\fz\v", {"x", "y", "z", ""}},
      // A letter row of seven fields: the eighth repeats the class token.
      {" \t", "a - A - 160 128 v", {"a", "-", "A", "-", "160", "128", "v", "v"}},
  };
  for (const NextStrCase& c : cases) {
    EXPECT_EQ(ReadWithNextStr(c.separators, c.text, static_cast<int>(c.expected.size())),
              c.expected)
        << "text '" << c.text << "'";
  }
}

TEST(CStrLexTest, FirstStrKeepsItsOwnCopyAndRestarts) {
  CStrLex lex(" ");
  char line[] = "one two";
  EXPECT_STREQ(lex.FirstStr(line), "one");
  std::memset(line, 'x', sizeof line - 1);  // the caller reuses its buffer
  EXPECT_STREQ(lex.NextStr(), "two");
  EXPECT_STREQ(lex.FirstStr("three four"), "three");
  EXPECT_STREQ(lex.FirstStr(nullptr), "");
}

TEST(CStrLexTest, GetReturnsPointersIntoTheTextAndCopiesTheToken) {
  const char text[] = "\t x y";
  CStrLex lex(nullptr);
  char out[sizeof text] = "junk";
  const char* token = lex.Get(text, out);
  EXPECT_EQ(token, text + 2);
  EXPECT_STREQ(token, "x y");
  EXPECT_STREQ(out, "x");
  EXPECT_EQ(lex.LastBegin(), text + 2);
  EXPECT_EQ(lex.LastEnd(), text + 3);
  EXPECT_EQ(lex.LastLen(), 1);

  EXPECT_EQ(lex.Next(out), text + 4);
  EXPECT_STREQ(out, "y");
  EXPECT_EQ(lex.LastEnd(), nullptr);  // ran to the end of the text

  std::strcpy(out, "junk");
  EXPECT_EQ(lex.Next(out), nullptr);
  EXPECT_STREQ(out, "");
  EXPECT_EQ(lex.LastBegin(), nullptr);
  EXPECT_EQ(lex.LastEnd(), nullptr);
}

TEST(CStrLexTest, GetFindsNoTokenInEmptyOrSeparatorOnlyText) {
  const char* const texts[] = {"", " \t\r\n", nullptr};
  for (const char* text : texts) {
    CStrLex lex(nullptr);
    char out[8] = "junk";
    EXPECT_EQ(lex.First(text, out), nullptr) << (text ? text : "(null)");
    EXPECT_STREQ(out, "");
    EXPECT_EQ(lex.Next(nullptr), nullptr);  // nothing to continue from
  }
}

TEST(CStrLexTest, LastLenKeepsTheLengthOfTheLastTokenASeparatorEnded) {
  CStrLex lex(",");
  const char text[] = "abc,de";
  lex.First(text, nullptr);
  EXPECT_EQ(lex.LastLen(), 3);
  lex.Next(nullptr);
  EXPECT_EQ(lex.LastLen(), 3);  // "de" ran to the end
}

TEST(CStrLexTest, SetPicChangesTheSeparatorsAndNullRestoresTheDefault) {
  CStrLex lex(",");
  EXPECT_STREQ(lex.FirstStr("a b,c"), "a b");
  lex.SetPic(nullptr);
  EXPECT_STREQ(lex.FirstStr("a b,c"), "a");
  lex.SetPic("");  // no separators: the whole text is one token
  EXPECT_STREQ(lex.FirstStr(" a b "), " a b ");
}

struct BoundedCase {
  const char* text;
  int outSize;
  const char* expected;
  int cut;
};

TEST(CStrLexTest, SizedGetNeverWritesPastTheBuffer) {
  const BoundedCase cases[] = {
      {"  word rest", 5, "word", 0},  // exactly fits with its terminator
      {"  words rest", 5, "word", 1}, {"abc", 1, "", 1}, {"abc", 2, "a", 1}, {"abc", 64, "abc", 0},
  };
  for (const BoundedCase& c : cases) {
    char buffer[80];
    std::memset(buffer, '#', sizeof buffer);
    CStrLex lex(" ");
    EXPECT_NE(lex.Get(c.text, buffer, c.outSize), nullptr);
    EXPECT_STREQ(buffer, c.expected) << c.text;
    EXPECT_EQ(lex.LastCut(), c.cut) << c.text;
    for (std::size_t i = static_cast<std::size_t>(c.outSize); i < sizeof buffer; ++i) {
      ASSERT_EQ(buffer[i], '#') << c.text << ": byte " << i << " written";
    }
  }
}

TEST(CStrLexTest, SizedGetWithNoRoomWritesNothing) {
  char guard = '#';
  CStrLex lex(" ");
  EXPECT_STREQ(lex.Get("abc", &guard, 0), "abc");
  EXPECT_EQ(guard, '#');
  EXPECT_EQ(lex.LastCut(), 1);
  EXPECT_STREQ(lex.Get("abc", nullptr, 0), "abc");
  EXPECT_EQ(lex.LastCut(), 0);
}

TEST(CStrLexTest, LengthsBeyondSixteenBitsSaturate) {
  for (int length : {32767, 32768, 70000}) {
    std::string text(static_cast<std::size_t>(length), 'a');
    text += " b";
    CStrLex lex(" ");
    const char* token = lex.First(text.c_str(), nullptr);
    EXPECT_EQ(lex.LastLen(), 32767) << length;
    EXPECT_EQ(lex.LastEnd() - token, length);
    EXPECT_EQ(std::strlen(lex.FirstStr(text.c_str())), static_cast<std::size_t>(length));
  }
  CStrLex lex(" ");
  lex.First("ab c", nullptr);
  EXPECT_EQ(lex.LastLen(), 2);
}

// ---------------------------------------------------------------- CStrLine

struct Pieces {
  Tokens pieces;
  int indexAfterFirst;
};

// Every piece up to the end flag, and the end flag's "" checked on the way.
Pieces ReadPieces(CStrLine& line, const MCString& text) {
  Pieces result;
  MCString piece = line.GetFirst(text);
  result.indexAfterFirst = line.GetIndex();
  for (int guard = 0; !line.EndOfBuffer() && guard < 100; ++guard) {
    result.pieces.emplace_back(piece);
    piece = line.GetNext();
  }
  EXPECT_TRUE(piece.IsEmpty());
  return result;
}

struct LineCase {
  char breaker;
  long mode;
  const char* setBreaker;  // null: keep the constructor's breaker
  const char* text;
  Tokens expected;
};

TEST(CStrLineTest, CutsAtTheBreaker) {
  const LineCase cases[] = {
      {',', 0, nullptr, "a,b,c", {"a", "b", "c"}},
      {',', 0, nullptr, "a,b,", {"a", "b"}},  // no empty last piece
      {',', 0, nullptr, "a,,b", {"a", "", "b"}},
      {',', 0, nullptr, ",a", {"", "a"}},
      {',', 0, nullptr, "abc", {"abc"}},
      {',', 0, nullptr, "", {}},
      {0, 0, nullptr, "one\r\ntwo\r\nthree", {"one", "two", "three"}},
      {0, 0, nullptr, "one\ntwo\r\n", {"one\ntwo"}},
      {0, CStrLine::kKeepBreaker, nullptr, "one\r\ntwo\r\nthree", {"one\r\n", "two\r\n", "three"}},
      {',', CStrLine::kBreakerIsSet, ",;", "a;b,c", {"a", "b", "c"}},
      {',', CStrLine::kBreakerIsSet | CStrLine::kKeepBreaker, ",;", "a;b,c", {"a;", "b,", "c"}},
      {',', 0, "::", "a::b:c::", {"a", "b:c"}},
  };
  for (const LineCase& c : cases) {
    CStrLine line(c.breaker);
    line.SetMode(c.mode);
    if (c.setBreaker) {
      EXPECT_EQ(line.SetBreaker(c.setBreaker), 1);
    }
    EXPECT_EQ(ReadPieces(line, c.text).pieces, c.expected) << "text '" << c.text << "'";
  }
}

TEST(CStrLineTest, EndFlagAndIndexFollowTheScan) {
  CStrLine line(',');
  EXPECT_STREQ(line.GetFirst("ab,c"), "ab");
  EXPECT_EQ(line.GetIndex(), 3);
  EXPECT_EQ(line.EndOfBuffer(), 0);
  EXPECT_STREQ(line.GetNext(), "c");
  EXPECT_EQ(line.GetIndex(), 4);
  EXPECT_EQ(line.EndOfBuffer(), 0);
  EXPECT_STREQ(line.GetNext(), "");
  EXPECT_EQ(line.EndOfBuffer(), 1);
  EXPECT_STREQ(line.GetNext(), "");  // stays at the end
  EXPECT_EQ(line.EndOfBuffer(), 1);
  EXPECT_STREQ(line.GetFirst("x"), "x");  // a new text starts over
  EXPECT_EQ(line.EndOfBuffer(), 0);
}

TEST(CStrLineTest, AnEmptyBreakerIsRefusedAndTheScanStillEnds) {
  CStrLine line(',');
  EXPECT_EQ(line.SetBreaker(""), 0);
  EXPECT_EQ(ReadPieces(line, "a,b").pieces, (Tokens{"a", "b"}));
  line.SetMode(CStrLine::kBreakerIsSet);
  EXPECT_EQ(line.SetBreaker(MCString()), 0);
  EXPECT_EQ(ReadPieces(line, "a,b").pieces, (Tokens{"a", "b"}));
}

TEST(CStrLineTest, PiecesKeepTheTextsLanguage) {
  MCString text("a,b");
  text.SetLangId(1049);
  CStrLine line(',');
  EXPECT_EQ(line.GetFirst(text).GetLangId(), 1049);
}

// ---------------------------------------------------------------- CZString

Tokens ReadAll(CZString& list) {
  Tokens strings;
  for (MCString s = list.GetFirst(); !s.IsEmpty(); s = list.GetNext()) strings.emplace_back(s);
  return strings;
}

std::string Block(const CZString& list) {
  MCString block = list.GetString();
  // The stored strings and then the string's own terminator.
  return std::string(static_cast<const char*>(block),
                     static_cast<std::size_t>(block.GetLength()) + 1);
}

TEST(CZStringTest, ReadsADoubleNulBlock) {
  CZString list("one\0two\0\0");
  EXPECT_EQ(list.GetSize(), 2);
  EXPECT_STREQ(list.GetAt(5), "");
  EXPECT_STREQ(list.GetFirst(), "one");
  EXPECT_STREQ(list.GetNext(), "two");
  EXPECT_STREQ(list.GetNext(), "");
  EXPECT_STREQ(list.GetNext(), "");
  EXPECT_EQ(Block(list), std::string("one\0two\0\0", 9));
}

TEST(CZStringTest, SetZStringStopsAtTheFirstEmptyString) {
  struct Case {
    const char* block;
    int count;
  };
  const Case cases[] = {{"a\0\0b\0\0", 1}, {"\0a\0\0", 0}, {"", 0}, {nullptr, 0}};
  for (const Case& c : cases) {
    CZString list("old\0\0");
    EXPECT_EQ(list.SetZString(c.block), c.count);
    EXPECT_EQ(list.GetSize(), c.count);
    EXPECT_EQ(static_cast<int>(ReadAll(list).size()), c.count);
  }
}

TEST(CZStringTest, GetAtMovesTheReadPosition) {
  CZString list("a\0b\0c\0\0");
  EXPECT_STREQ(list.GetAt(1), "b");
  EXPECT_STREQ(list.GetNext(), "b");  // the position is at string 1
  EXPECT_STREQ(list.GetNext(), "c");
  EXPECT_STREQ(list.GetAt(-1), "");
  EXPECT_STREQ(list.GetNext(), "");
  EXPECT_STREQ(list.GetAt(0), "a");
  EXPECT_STREQ(list.GetAt(3), "");
}

TEST(CZStringTest, AddBuildsTheSameBlockSetZStringReads) {
  CZString built;
  const char* const words[] = {"alpha", "", "beta", "gamma"};
  for (const char* word : words) built.Add(word);
  EXPECT_EQ(built.GetSize(), 3);  // the empty one is ignored
  EXPECT_EQ(Block(built), std::string("alpha\0beta\0gamma\0\0", 18));

  CZString reread(static_cast<const char*>(built.GetString()));
  EXPECT_EQ(ReadAll(reread), (Tokens{"alpha", "beta", "gamma"}));
}

TEST(CZStringTest, AddAfterReadingToTheEndIsStillRead) {
  CZString list("a\0\0");
  EXPECT_STREQ(list.GetFirst(), "a");
  EXPECT_STREQ(list.GetNext(), "");
  list.Add("b");
  EXPECT_STREQ(list.GetNext(), "b");
}

TEST(CZStringTest, AHandedOutBlockIsNotChangedByLaterEdits) {
  CZString list;
  list.Add("a");
  MCString before = list.GetString();
  list.Add("b");
  EXPECT_EQ(before.GetLength(), 2);
  list.RemoveAll();
  EXPECT_EQ(std::string(static_cast<const char*>(before), 3), std::string("a\0\0", 3));
  EXPECT_EQ(list.GetSize(), 0);
  EXPECT_STREQ(list.GetFirst(), "");
}

TEST(CZStringTest, ManyAddsKeepEveryString) {
  CZString list;
  for (int i = 0; i < 2000; ++i) list.Add(MCString(static_cast<char>('a' + i % 26), 1 + i % 7));
  ASSERT_EQ(list.GetSize(), 2000);
  EXPECT_STREQ(list.GetAt(1999),
               std::string(1 + 1999 % 7, static_cast<char>('a' + 1999 % 26)).c_str());
  int read = 0;
  for (MCString s = list.GetFirst(); !s.IsEmpty(); s = list.GetNext()) ++read;
  EXPECT_EQ(read, 2000);
}

}  // namespace
