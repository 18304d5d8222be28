#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/MCString.h"
#include "base/MCStringData.h"

namespace {

constexpr unsigned short kRussian = 1049;

const MCStringData& Header(const MCString& s) { return *MCStringData::Of(s); }

std::string Text(const MCString& s) { return std::string(s, s.GetLength()); }

// --- Sharing, locking, copy-before-write

TEST(MCStringSharing, CopiesShareUntilOneIsChangedAndUnsharingKeepsTheLanguage) {
  MCString original("word");
  original.SetLangId(kRussian);
  MCString copy(original);
  MCString assigned;
  assigned = original;
  EXPECT_EQ((const char*)copy, (const char*)original);
  EXPECT_EQ((const char*)assigned, (const char*)original);
  EXPECT_EQ(Header(original).refs, 3);

  copy.SetAt(0, 'c');
  EXPECT_EQ(Text(copy), "cord");
  EXPECT_EQ(Text(original), "word");
  EXPECT_NE((const char*)copy, (const char*)original);
  EXPECT_EQ(Header(original).refs, 2);
  EXPECT_EQ(Header(copy).refs, 1);
  EXPECT_EQ(copy.GetLangId(), kRussian);

  assigned.MakeUpper();  // a shared string is case-mapped in its own language
  EXPECT_EQ(assigned.GetLangId(), kRussian);
  EXPECT_EQ(Header(original).refs, 1);
}

TEST(MCStringSharing, AssigningASharedOrTheSameStringChangesNothing) {
  MCString a("text");
  MCString b(a);
  const char* chars = a;
  MCString& self = a;  // through a reference: the self-assignment is the point
  a = self;
  a = b;
  b = a;
  EXPECT_EQ((const char*)a, chars);
  EXPECT_EQ((const char*)b, chars);
  EXPECT_EQ(Header(a).refs, 2);
}

TEST(MCStringSharing, ALockedBufferIsCopiedNotSharedUntilUnlocked) {
  MCString locked("abc");
  locked.SetLangId(kRussian);
  char* chars = locked.LockBuffer();
  EXPECT_EQ(Header(locked).refs, kMCStringLocked);

  MCString copy(locked);
  EXPECT_NE((const char*)copy, chars);
  EXPECT_EQ(Text(copy), "abc");
  EXPECT_EQ(copy.GetLangId(), kRussian);
  EXPECT_EQ(Header(copy).refs, 1);

  // Assigning to a locked string copies into it and keeps it locked.
  MCString source("longer than the buffer");
  locked = source;
  EXPECT_EQ(Text(locked), "longer than the buffer");
  EXPECT_EQ(Header(locked).refs, kMCStringLocked);
  EXPECT_EQ(Header(source).refs, 1);
  EXPECT_EQ(locked.GetLangId(), 0);
  const char* lockedChars = locked;
  locked = "xy";  // fits: in place
  EXPECT_EQ((const char*)locked, lockedChars);

  locked.Empty();  // a locked buffer is emptied in place
  EXPECT_EQ((const char*)locked, lockedChars);
  EXPECT_TRUE(locked.IsEmpty());

  locked.UnlockBuffer();
  EXPECT_EQ(Header(locked).refs, 1);
  MCString shared(locked);
  EXPECT_EQ((const char*)shared, lockedChars);
  shared.UnlockBuffer();  // unlocking an unlocked shared buffer leaves its count alone
  EXPECT_EQ(Header(shared).refs, 2);
}

TEST(MCStringSharing, EveryEmptyStringIsTheOneStaticBufferAndNothingWritesIt) {
  MCString empty;
  const char* staticChars = empty;
  const MCStringData& header = Header(empty);
  MCString word("word");
  std::vector<MCString> empties(1000, empty);
  empties.push_back(word.Mid(5));
  empties.push_back(word.Left(0));
  empties.push_back(MCString(""));
  empties.push_back(MCString(nullptr, 3));
  empties.push_back(MCString('x', 0));
  for (const MCString& s : empties) EXPECT_EQ((const char*)s, staticChars);

  MCString poke;
  poke.SetLangId(kRussian);
  poke.ReleaseBuffer(5);
  poke.ReleaseBuffer();
  poke.GetBufferSetLength(0);
  poke.LockBuffer();
  poke.UnlockBuffer();
  poke = "";
  poke = empty;
  poke.Empty();
  poke.FreeExtra();
  poke.MakeUpper();
  poke.CharToOemA();
  poke.Code();
  poke.TrimLeft();
  poke.Replace("a", "b");
  poke.Format("%s", "");
  EXPECT_EQ((const char*)poke, staticChars);
  EXPECT_EQ(poke.GetLangId(), 0);
  EXPECT_EQ(header.refs, kMCStringLocked);
  EXPECT_EQ(header.langId, 0);
  EXPECT_EQ(header.length, 0);
  EXPECT_EQ(header.capacity, 0);
  EXPECT_EQ(*staticChars, '\0');
}

TEST(MCStringSharing, GrowthKeepsTheLanguageAndNewTextStartsWithNone) {
  MCString s("abc");
  s.SetLangId(kRussian);
  s += "defgh";  // beyond the capacity: a new buffer
  EXPECT_EQ(s.GetLangId(), kRussian);
  s.GetBuffer(100);
  EXPECT_EQ(s.GetAllocLength(), 100);
  EXPECT_EQ(Text(s), "abcdefgh");
  s.FreeExtra();
  EXPECT_EQ(s.GetAllocLength(), 8);
  EXPECT_EQ(s.GetLangId(), kRussian);

  EXPECT_EQ(s.Mid(1, 2).GetLangId(), kRussian);
  EXPECT_EQ(s.Right(3).GetLangId(), kRussian);
  EXPECT_EQ((s + "x").GetLangId(), 0);
  EXPECT_EQ(MCString((const char*)s).GetLangId(), 0);
  EXPECT_EQ(s.Insert(0, "x").GetLangId(), 0);
  EXPECT_EQ(s.GetLangId(), kRussian);
  s.Format("%d", 12);
  EXPECT_EQ(s.GetLangId(), kRussian);
}

TEST(MCStringSharing, BuffersAreReusedWhenUnsharedAndLargeEnough) {
  MCString s;
  char* chars = s.GetBuffer(16);
  std::snprintf(chars, 17, "%s", "hello");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 5);
  s.SetLangId(kRussian);
  s += " you";
  s = "bye";
  EXPECT_EQ((const char*)s, chars);
  EXPECT_EQ(s.GetLangId(), kRussian);  // reused buffer keeps its language

  MCString other(s);
  s = "again";  // shared: a new buffer
  EXPECT_NE((const char*)s, chars);
  EXPECT_EQ(s.GetLangId(), 0);
  EXPECT_EQ(Text(other), "bye");
}

TEST(MCStringSharing, ReleaseBufferStaysWithinTheCapacity) {
  MCString s;
  char* chars = s.GetBuffer(4);
  std::memcpy(chars, "abcd", 4);  // no terminator within the capacity
  s.ReleaseBuffer();
  EXPECT_EQ(Text(s), "abcd");
  s.GetBuffer(6);
  s.ReleaseBuffer(100);
  EXPECT_EQ(s.GetLength(), 6);
  s.ReleaseBuffer(2);
  EXPECT_EQ(Text(s), "ab");
  EXPECT_EQ(Text(MCString("xyz").GetBufferSetLength(2)), "xy");
}

// --- Searching and substrings

struct IntCase {
  const char* text;
  const char* what;
  int (*op)(const MCString&);
  int expected;
};

TEST(MCStringSearch, PositionsAndTestsAtTheEdges) {
  const IntCase cases[] = {
      {"banana", "ReverseFind('a', 2)", [](const MCString& s) { return s.ReverseFind('a', 2); }, 1},
      {"banana", "ReverseFind('a', 7)", [](const MCString& s) { return s.ReverseFind('a', 7); },
       -1},
      {"banana", "ReverseFind('b', -4)", [](const MCString& s) { return s.ReverseFind('b', -4); },
       -1},
      {"banana", "ReverseFind('a')", [](const MCString& s) { return s.ReverseFind('a'); }, 5},
      {"ab", "Find('x', 10)", [](const MCString& s) { return s.Find('x', 10); }, -1},
      {"abab", "Find('a', -5)", [](const MCString& s) { return s.Find('a', -5); }, 0},
      {"abab", "Find('a', 1)", [](const MCString& s) { return s.Find('a', 1); }, 2},
      {"abab", "Find('\\0')", [](const MCString& s) { return s.Find('\0'); }, -1},
      {"abab", "Find(\"ba\")", [](const MCString& s) { return s.Find("ba"); }, 1},
      {"abab", "Find(\"ab\", 1)", [](const MCString& s) { return s.Find("ab", 1); }, 2},
      {"abab", "Find(\"\", 4)", [](const MCString& s) { return s.Find("", 4); }, 4},
      {"abab", "Find(\"a\", 5)", [](const MCString& s) { return s.Find("a", 5); }, -1},
      {"abab", "Find(nullptr)", [](const MCString& s) { return s.Find(nullptr); }, 0},
      {"a-b.c", "FindOneOf(\".-\")", [](const MCString& s) { return s.FindOneOf(".-"); }, 1},
      {"abc", "FindOneOf(\"\")", [](const MCString& s) { return s.FindOneOf(""); }, -1},
      {"banana", "IsFlex(3, \"an\")", [](const MCString& s) { return s.IsFlex(3, "an"); }, 1},
      {"banana", "IsFlex(99, \"na\")", [](const MCString& s) { return s.IsFlex(99, "na"); }, 1},
      {"banana", "IsFlex(-1, \"b\")", [](const MCString& s) { return s.IsFlex(-1, "b"); }, 0},
      {"banana", "IsFlex(nullptr)", [](const MCString& s) { return s.IsFlex(nullptr); }, 1},
      {"ban", "EndsWith(\"xban\")", [](const MCString& s) { return s.EndsWith("xban"); }, 0},
      {"banana", "IsPref(\"ban\")", [](const MCString& s) { return s.IsPref("ban"); }, 1},
      {"ban", "StartsWith(\"bana\")", [](const MCString& s) { return s.StartsWith("bana"); }, 0},
      {"Banana", "StartsWithNoCase(\"bAN\")",
       [](const MCString& s) { return s.StartsWithNoCase("bAN"); }, 1},
      {"Banana", "IsPrefNoCase(\"x\")", [](const MCString& s) { return s.IsPrefNoCase("x"); }, 0},
      {"BANANA", "IsFlexNoCase(3, \"aN\")",
       [](const MCString& s) { return s.IsFlexNoCase(3, "aN"); }, 1},
      {"BANANA", "EndsWithNoCase(\"nA\")", [](const MCString& s) { return s.EndsWithNoCase("nA"); },
       1},
      {"abc", "Compare(\"abd\")", [](const MCString& s) { return s.Compare("abd"); }, -1},
      {"abc", "Compare(nullptr)", [](const MCString& s) { return s.Compare(nullptr); }, 1},
      {"\xE0", "Compare(\"a\") (unsigned)", [](const MCString& s) { return s.Compare("a"); }, 1},
      {"ABC", "CompareNoCase(\"abc\")", [](const MCString& s) { return s.CompareNoCase("abc"); },
       0},
      {"a1 ", "IsAlpha(0)", [](const MCString& s) { return s.IsAlpha(0); }, 1},
      {"a1 ", "IsDigit(1)", [](const MCString& s) { return s.IsDigit(1); }, 1},
      {"a1 ", "IsSpace(2)", [](const MCString& s) { return s.IsSpace(2); }, 1},
      {"a1 ", "IsAlphaNum(3)", [](const MCString& s) { return s.IsAlphaNum(3); }, 0},
      {"a1 ", "IsLower(-1)", [](const MCString& s) { return s.IsLower(-1); }, 0},
      {"aB", "IsUpper(1)", [](const MCString& s) { return s.IsUpper(1); }, 1},
      {"ab", "GetAt(2)", [](const MCString& s) { return int{s.GetAt(2)}; }, 0},
      {"ab", "[9]", [](const MCString& s) { return int{s[9]}; }, 0},
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(c.op(MCString(c.text)), c.expected) << '"' << c.text << "\"." << c.what;
  }
}

struct StringCase {
  const char* text;
  const char* what;
  MCString (*op)(const MCString&);
  const char* expected;
};

TEST(MCStringSearch, SubstringsClampTheirArguments) {
  const StringCase cases[] = {
      {"abcd", "Mid(5)", [](const MCString& s) { return s.Mid(5); }, ""},
      {"abcd", "Mid(4)", [](const MCString& s) { return s.Mid(4); }, ""},
      {"abcd", "Mid(1)", [](const MCString& s) { return s.Mid(1); }, "bcd"},
      {"abcd", "Mid(-3, 2)", [](const MCString& s) { return s.Mid(-3, 2); }, "ab"},
      {"abcd", "Mid(1, -2)", [](const MCString& s) { return s.Mid(1, -2); }, ""},
      {"abcd", "Mid(2, INT_MAX)", [](const MCString& s) { return s.Mid(2, 0x7FFFFFFF); }, "cd"},
      {"abcd", "Left(99)", [](const MCString& s) { return s.Left(99); }, "abcd"},
      {"abcd", "Left(-1)", [](const MCString& s) { return s.Left(-1); }, ""},
      {"abcd", "Right(3)", [](const MCString& s) { return s.Right(3); }, "bcd"},
      {"abcd", "Right(99)", [](const MCString& s) { return s.Right(99); }, "abcd"},
      {"112abc", "SpanIncluding(\"12\")", [](const MCString& s) { return s.SpanIncluding("12"); },
       "112"},
      {"ab;cd", "SpanExcluding(\";,\")", [](const MCString& s) { return s.SpanExcluding(";,"); },
       "ab"},
      {"abcd", "SpanExcluding(nullptr)", [](const MCString& s) { return s.SpanExcluding(nullptr); },
       "abcd"},
  };
  for (const StringCase& c : cases) {
    MCString source(c.text);
    source.SetLangId(kRussian);
    MCString result = c.op(source);
    EXPECT_EQ(Text(result), c.expected) << '"' << c.text << "\"." << c.what;
    EXPECT_EQ(result.GetLangId(), result.IsEmpty() ? 0 : kRussian) << c.what;
  }
}

TEST(MCStringSearch, GetInsideFindsTheMatchingCloser) {
  struct {
    const char* text;
    int pos;
    char escape;
    const char* inside;
    int posAfter;
  } const cases[] = {
      {"f(a(b)c)", 1, '\\', "a(b)c", 7},
      {"f(a\\)b)", 1, '\\', "a\\)b", 6},
      {"[x]", 0, 0, "x", 2},
      {"<a<b>>c", 0, 0, "a<b>", 5},
      {"{}", 0, 0, "", 1},
      {"'it''s'", 0, 0, "it", 3},
      {"f(a(b)c", 1, 0, "f(a(b)c", 1},  // unclosed: the whole string, pos unchanged
      {"abc", 3, 0, "", 3},
      {"abc", -1, 0, "", -1},
  };
  for (const auto& c : cases) {
    MCString s(c.text);
    s.SetLangId(kRussian);
    int pos = c.pos;
    MCString inside = s.GetInside(pos, c.escape);
    EXPECT_EQ(Text(inside), c.inside) << c.text << " at " << c.pos;
    EXPECT_EQ(pos, c.posAfter) << c.text << " at " << c.pos;
    EXPECT_EQ(inside.GetLangId(), inside.IsEmpty() ? 0 : kRussian) << c.text;
  }
}

TEST(MCStringSearch, ComparisonOperatorsAreByteWise) {
  MCString a("abc");
  MCString b("abd");
  EXPECT_TRUE(a < b && a <= b && b > a && b >= a && a != b && a == "abc");
  EXPECT_TRUE("abb" < a && "abc" == a && "b" > a && MCString() == nullptr);
  EXPECT_TRUE(MCString("\xE0") > "z");
  unsigned u = 1;
  std::size_t z = 2;
  EXPECT_EQ(a[u], 'b');
  EXPECT_EQ(a[z], 'c');
}

// --- Edits

struct EditCase {
  const char* text;
  const char* what;
  MCString (*op)(MCString&);
  const char* expected;
};

MCString Copy(const MCString& s) { return s; }

TEST(MCStringEdit, EditsChangeTheStringAndReturnItsText) {
  const EditCase cases[] = {
      {"aaaa", "Replace(\"aa\", \"a\")", [](MCString& s) { return s.Replace("aa", "a"); }, "aa"},
      {"abc", "Replace(\"\", \"x\")", [](MCString& s) { return s.Replace("", "x"); }, "abc"},
      {"abc", "Replace(nullptr, \"x\")", [](MCString& s) { return s.Replace(nullptr, "x"); },
       "abc"},
      {"a.b.c", "Replace('.', \"::\")", [](MCString& s) { return s.Replace('.', "::"); },
       "a::b::c"},
      {"abab", "Replace(\"ab\", 'x')", [](MCString& s) { return s.Replace("ab", 'x'); }, "xx"},
      {"abab", "Replace('a', 'b')", [](MCString& s) { return s.Replace('a', 'b'); }, "bbbb"},
      {"aXa", "Replace(\"a\", \"aa\")", [](MCString& s) { return s.Replace("a", "aa"); }, "aaXaa"},
      {"abc", "Replace(\"b\", nullptr)", [](MCString& s) { return s.Replace("b", nullptr); }, "ac"},
      {"a,b;c", "ReplaceOneOf(\",;\", \" - \")",
       [](MCString& s) { return s.ReplaceOneOf(",;", " - "); }, "a - b - c"},
      {"a,b;c", "ReplaceOneOf(\",;\", '|')", [](MCString& s) { return s.ReplaceOneOf(",;", '|'); },
       "a|b|c"},
      {"abc", "ReplaceOneOf(\"\", 'x')", [](MCString& s) { return s.ReplaceOneOf("", 'x'); },
       "abc"},
      {"abc", "Insert(0, \"xy\")", [](MCString& s) { return s.Insert(0, "xy"); }, "xyabc"},
      {"abc", "Insert(3, '!')", [](MCString& s) { return s.Insert(3, '!'); }, "abc!"},
      {"abc", "Insert(\"-\", 1)", [](MCString& s) { return s.Insert("-", 1); }, "a-bc"},
      {"abc", "Insert(4, \"x\")", [](MCString& s) { return s.Insert(4, "x"); }, "abc"},
      {"abc", "Insert(-1, \"x\")", [](MCString& s) { return s.Insert(-1, "x"); }, "abc"},
      {"abc", "Insert(1, \"\")", [](MCString& s) { return s.Insert(1, ""); }, "abc"},
      {" \t a \n\n b  ", "MakeOneSpace()", [](MCString& s) { return s.MakeOneSpace(); }, " a b "},
      {" \t a \n\n b  ", "RemoveAllSpace()", [](MCString& s) { return s.RemoveAllSpace(); }, "ab"},
      {"\t\r a b \v\f", "Trim()",
       [](MCString& s) {
         s.Trim();
         return Copy(s);
       },
       "a b"},
      {"xxaxx", "TrimLeft('x')",
       [](MCString& s) {
         s.TrimLeft('x');
         return Copy(s);
       },
       "axx"},
      {"xxaxx", "TrimRight('x')",
       [](MCString& s) {
         s.TrimRight('x');
         return Copy(s);
       },
       "xxa"},
      {"-=a=-", "TrimLeft(\"=-\")",
       [](MCString& s) {
         s.TrimLeft("=-");
         return Copy(s);
       },
       "a=-"},
      {"-=a=-", "TrimRight(\"=-\")",
       [](MCString& s) {
         s.TrimRight("=-");
         return Copy(s);
       },
       "-=a"},
      {" a ", "TrimLeft(nullptr)",
       [](MCString& s) {
         s.TrimLeft(nullptr);
         return Copy(s);
       },
       " a "},
      {" a ", "TrimRight(\"\")",
       [](MCString& s) {
         s.TrimRight("");
         return Copy(s);
       },
       " a "},
      {"   ", "TrimLeft()",
       [](MCString& s) {
         s.TrimLeft();
         return Copy(s);
       },
       ""},
      {"abc", "MakeReverse()",
       [](MCString& s) {
         s.MakeReverse();
         return Copy(s);
       },
       "cba"},
      {"aB1\xE0", "MakeUpper()",
       [](MCString& s) {
         s.MakeUpper();
         return Copy(s);
       },
       "AB1\xE0"},
      {"aB1\xC0", "MakeLower()",
       [](MCString& s) {
         s.MakeLower();
         return Copy(s);
       },
       "ab1\xC0"},
      {"ab", "ToUpper(1)",
       [](MCString& s) {
         s.ToUpper(1);
         return Copy(s);
       },
       "aB"},
      {"AB", "ToLower(2)",
       [](MCString& s) {
         s.ToLower(2);
         return Copy(s);
       },
       "AB"},
      {"ab", "SetAt(-1, 'x')",
       [](MCString& s) {
         s.SetAt(-1, 'x');
         return Copy(s);
       },
       "ab"},
      {"\xC0\xE0", "CharToOemA()",
       [](MCString& s) {
         s.CharToOemA();
         return Copy(s);
       },
       "\xC0\xE0"},
      {"secret", "Code()",
       [](MCString& s) {
         s.Code();
         return Copy(s);
       },
       "\xEB\xFD\xFB\xEA\xFD\xEC"},
      {"\xEB\xFD\xFB\xEA\xFD\xEC", "DeCode()",
       [](MCString& s) {
         s.DeCode();
         return Copy(s);
       },
       "secret"},
  };
  for (const EditCase& c : cases) {
    MCString s(c.text);
    MCString shared(s);  // every edit unshares first
    MCString returned = c.op(s);
    EXPECT_EQ(Text(s), c.expected) << '"' << c.text << "\"." << c.what;
    EXPECT_EQ(Text(returned), c.expected) << '"' << c.text << "\"." << c.what;
    EXPECT_EQ(Text(shared), c.text) << '"' << c.text << "\"." << c.what;
  }
}

TEST(MCStringEdit, ConcatenationBuildsExactlySizedStrings) {
  MCString a("ab");
  MCString joined = a + MCString("cd") + 'e' + "fg";
  EXPECT_EQ(Text(joined), "abcdefg");
  EXPECT_EQ(joined.GetAllocLength(), 7);
  EXPECT_EQ(Text('x' + a), "xab");
  EXPECT_EQ(Text("yz" + a), "yzab");
  EXPECT_EQ(Text(a + static_cast<const char*>(nullptr)), "ab");
  a += MCString();
  a += '\0';
  EXPECT_EQ(a.GetLength(), 3);  // a char is appended as it is
}

// --- Arguments that point into the string's own buffer (run under ASan)

TEST(MCStringAliasing, ArgumentsMayPointIntoTheStringItself) {
  MCString s("abcdef");
  s = (const char*)s + 1;
  EXPECT_EQ(Text(s), "bcdef");

  s += (const char*)s;
  EXPECT_EQ(Text(s), "bcdefbcdef");
  s.GetBuffer(64);
  s += (const char*)s + 5;  // in place this time
  EXPECT_EQ(Text(s), "bcdefbcdefbcdef");
  s += s;
  EXPECT_EQ(s.GetLength(), 30);

  s = "xyz";
  s.Insert(0, (const char*)s);
  EXPECT_EQ(Text(s), "xyzxyz");
  s.Insert(3, (const char*)s + 4);
  EXPECT_EQ(Text(s), "xyzyzxyz");

  s = "abc";
  s.Replace(s, "x");
  EXPECT_EQ(Text(s), "x");
  s = "aXbXc";
  s.Replace((const char*)s + 1, s);  // old "XbXc", new the whole text
  EXPECT_EQ(Text(s), "aaXbXc");
  s.ReplaceOneOf(s, (const char*)s + 4);
  EXPECT_EQ(Text(s), "XcXcXcXcXcXc");

  s = "abc";
  s.Format("%s!", (const char*)s);
  EXPECT_EQ(Text(s), "abc!");
  s.Format("%s%s%s%s", (const char*)s, (const char*)s, (const char*)s, (const char*)s);
  EXPECT_EQ(Text(s), "abc!abc!abc!abc!");
}

// --- Formatting

std::string Reference(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
std::string Reference(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measuring;
  va_copy(measuring, args);
  std::vector<char> out(std::vsnprintf(nullptr, 0, format, measuring) + 1);
  va_end(measuring);
  std::vsnprintf(out.data(), out.size(), format, args);
  va_end(args);
  return std::string(out.data(), out.size() - 1);
}

#define EXPECT_FORMATS_AS_SNPRINTF(...)                                 \
  do {                                                                  \
    MCString formatted;                                                 \
    formatted.Format(__VA_ARGS__);                                      \
    EXPECT_EQ(Text(formatted), Reference(__VA_ARGS__)) << #__VA_ARGS__; \
  } while (0)

TEST(MCStringFormat, MatchesSnprintfWhateverTheWidth) {
  std::string longText(5000, 'q');
  EXPECT_FORMATS_AS_SNPRINTF("%-30s|", "left");
  EXPECT_FORMATS_AS_SNPRINTF("%20s|", "a");
  EXPECT_FORMATS_AS_SNPRINTF("%.3s|", "abcdef");
  EXPECT_FORMATS_AS_SNPRINTF("%c%5c|", 'x', 'y');
  EXPECT_FORMATS_AS_SNPRINTF("%*d|%-*d|", 40, 7, 12, -3);
  EXPECT_FORMATS_AS_SNPRINTF("%#x %#o %X", 255u, 8u, 0xABCDu);
  EXPECT_FORMATS_AS_SNPRINTF("%lld %llu", -9000000000000LL, 18000000000000000000ULL);
  EXPECT_FORMATS_AS_SNPRINTF("%f", 1e300);
  EXPECT_FORMATS_AS_SNPRINTF("%.200f", 1.0 / 3);
  EXPECT_FORMATS_AS_SNPRINTF("%e %g %10.4f", 12345.678, 0.0001, 3.14159);
  EXPECT_FORMATS_AS_SNPRINTF("%s and %300d", longText.c_str(), 1);
  EXPECT_FORMATS_AS_SNPRINTF("100%% %s", "");
}

TEST(MCStringFormat, KeepsTheLanguageAndAnEmptyResultIsTheEmptyString) {
  MCString s("old");
  s.SetLangId(kRussian);
  s.Format("%s-%d", "new", 5);
  EXPECT_EQ(Text(s), "new-5");
  EXPECT_EQ(s.GetLangId(), kRussian);
  s.Format("%s", "");
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ((const char*)s, (const char*)MCString());
}

}  // namespace
