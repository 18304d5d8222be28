#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/CharServices.h"

namespace {

constexpr unsigned short kRussian = 1049;  // no alphabet loaded: the 7-bit rules serve it

TEST(SevenBitRules, ClassifyOnlyAsciiWhateverTheLanguage) {
  struct {
    unsigned char ch;
    bool upper, lower, digit, xdigit, space, cntrl;
  } const cases[] = {
      {'A', true, false, false, true, false, false},
      {'Z', true, false, false, false, false, false},
      {'@', false, false, false, false, false, false},
      {'[', false, false, false, false, false, false},
      {'a', false, true, false, true, false, false},
      {'z', false, true, false, false, false, false},
      {'`', false, false, false, false, false, false},
      {'{', false, false, false, false, false, false},
      {'0', false, false, true, true, false, false},
      {'9', false, false, true, true, false, false},
      {'f', false, true, false, true, false, false},
      {'g', false, true, false, false, false, false},
      {'\t', false, false, false, false, true, true},
      {'\r', false, false, false, false, true, true},
      {' ', false, false, false, false, true, false},
      {8, false, false, false, false, false, true},
      {127, false, false, false, false, false, true},
      {0xC0, false, false, false, false, false, false},
      {0xE0, false, false, false, false, false, false},
      {0xA0, false, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    char ch = static_cast<char>(c.ch);
    bool alpha = c.upper || c.lower;
    EXPECT_EQ(_isupper(ch) != 0, c.upper) << int{c.ch};
    EXPECT_EQ(_islower(ch) != 0, c.lower) << int{c.ch};
    EXPECT_EQ(_isalpha(ch) != 0, alpha) << int{c.ch};
    EXPECT_EQ(_isalnum(ch) != 0, alpha || c.digit) << int{c.ch};
    EXPECT_EQ(_isdigit(ch) != 0, c.digit) << int{c.ch};
    EXPECT_EQ(_isxdigit(ch) != 0, c.xdigit) << int{c.ch};
    EXPECT_EQ(_isspace(ch) != 0, c.space) << int{c.ch};
    EXPECT_EQ(_iscntrl(ch) != 0, c.cntrl) << int{c.ch};
    EXPECT_EQ(IsMCharAlpha(ch, kRussian) != 0, alpha) << int{c.ch};
    EXPECT_EQ(IsMCharAlphaNum(ch, kRussian) != 0, alpha || c.digit) << int{c.ch};
    EXPECT_EQ(IsMCharUpper(ch, kRussian) != 0, c.upper) << int{c.ch};
    EXPECT_EQ(IsMCharLower(ch, kRussian) != 0, c.lower) << int{c.ch};
    char upper = c.lower ? static_cast<char>(ch - 32) : ch;
    char lower = c.upper ? static_cast<char>(ch + 32) : ch;
    EXPECT_EQ(__toupper(ch), upper) << int{c.ch};
    EXPECT_EQ(MCharToUpper(ch, kRussian), upper) << int{c.ch};
    EXPECT_EQ(__tolower(ch), lower) << int{c.ch};
    EXPECT_EQ(MCharToLower(ch, kRussian), lower) << int{c.ch};
  }
}

TEST(SevenBitRules, CaseInsensitiveComparisons) {
  struct {
    const char* a;
    const char* b;
    int sign;
  } const stricmpCases[] =
      {
          {"abc", "ABC", 0},   {"abc", "abd", -1}, {"ABD", "abc", 1}, {"ab", "abc", -1},
          {"", "", 0},         {nullptr, "", 0},   {"a", nullptr, 1}, {"a_", "A`", -1},
          {"\xE0", "\xC0", 1},  // not 7-bit letters: compared as bytes
          {"[", "a", -1},       // '[' (91) against 'a' (97): no letter pair, so no folding
      };
  for (const auto& c : stricmpCases) {
    int result = __stricmp(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign)
        << (c.a ? c.a : "null") << " / " << (c.b ? c.b : "null");
    EXPECT_EQ(MStrCompareNoCase(c.a, c.b, kRussian), result);
  }
  struct {
    const char* a;
    const char* b;
    unsigned n;
    int sign;
  } const strnicmpCases[] = {
      {"abcX", "ABCy", 3, 0}, {"abcX", "ABCy", 4, -1}, {"ab", "AB", 10, 0},
      {"ab", "abc", 3, -1},   {"x", "y", 0, 0},        {"[", "{", 1, -1},
  };
  for (const auto& c : strnicmpCases) {
    int result = __strnicmp(c.a, c.b, c.n);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " / " << c.b << " n=" << c.n;
    EXPECT_EQ(MStrCompareNNoCase(c.a, c.b, c.n, kRussian), result);
  }
}

TEST(SevenBitRules, StringHelpersAreInPlaceAndNullSafe) {
  char text[] = "Hello, \xC6x!";
  EXPECT_EQ(MStrUpr(text, kRussian), text);
  EXPECT_STREQ(text, "HELLO, \xC6X!");
  EXPECT_STREQ(__strlwr(text), "hello, \xC6x!");
  EXPECT_STREQ(__strrev(text), "!x\xC6 ,olleh");
  char one[] = "a";
  char none[] = "";
  EXPECT_STREQ(__strrev(one), "a");
  EXPECT_STREQ(__strrev(none), "");
  EXPECT_EQ(__strupr(nullptr), nullptr);
  EXPECT_EQ(MStrLwr(nullptr, kRussian), nullptr);
  EXPECT_EQ(__strrev(nullptr), nullptr);

  const char* banana = "banana";
  EXPECT_EQ(_strchr(banana, 'n'), banana + 2);
  EXPECT_EQ(_strrchr(banana, 'n'), banana + 4);
  EXPECT_EQ(_strchr(banana, '\0'), banana + 6);
  EXPECT_EQ(_strrchr(banana, '\0'), banana + 6);
  EXPECT_EQ(_strchr(banana, 'x'), nullptr);
  EXPECT_EQ(_strrchr(nullptr, 'a'), nullptr);
}

TEST(SevenBitRules, CodePageConversionCopiesUnchanged) {
  const char* source = "\xC0\x93\xB0";
  char out[8];
  EXPECT_EQ(MStrAnsiToOem(source, out, kRussian), out + 3);
  EXPECT_STREQ(out, source);
  EXPECT_EQ(MStrOemToAnsi(out, out, kRussian), out + 3);  // in place
  EXPECT_STREQ(out, source);
  EXPECT_EQ(MStrAnsiToOem(nullptr, out, kRussian), out);
  EXPECT_STREQ(out, "");
}

}  // namespace
