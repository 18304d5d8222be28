#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/CLangData.h"
#include "base/CLangPair.h"
#include "base/CharServices.h"
#include "base/LangIds.h"

namespace {

// This program never loads the language data: every id is served by the
// 7-bit rules.
constexpr unsigned short kRussian = 1049;
constexpr unsigned short kEnglish = 1033;

int Sign(int value) { return (value > 0) - (value < 0); }

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

TEST(SevenBitRules, WordOrdersWithoutAnAlphabet) {
  struct {
    const char* a;
    const char* b;
    int sortSign;
  } const cases[] = {
      {"abc", "abd", -1}, {"abd", "abc", 1}, {"ab", "ab", 0},  {"B", "a", -1},
      {"\xE0", "a", 1},   {"ab", "abc", -1}, {nullptr, "", 0}, {"", "a", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MStrCompareSort(c.a, c.b, kRussian), c.sortSign) << c.a << " / " << c.b;
    // No order at all: the dictionary order calls every pair equal.
    EXPECT_EQ(MStrCompareSortUpDown(c.a, c.b, kRussian), 0);
  }
  EXPECT_EQ(Sign(MStrCompareNSort("abX", "ABy", 2, kRussian)), 1);  // case-sensitive
  EXPECT_EQ(MStrCompareNSort("abX", "aby", 2, kRussian), 0);
  EXPECT_EQ(MStrCompareBaseNoCase("abc", "ABC", kRussian), 0);
  EXPECT_EQ(MStrCompareBaseNNoCase("abX", "ABy", 2, kRussian), 0);
}

TEST(SevenBitRules, ClassesIndexesAndConversionsWithoutAnAlphabet) {
  EXPECT_STREQ(GetVowels(), "aeiouyAEIOUY");
  EXPECT_STREQ(GetConsonants(), "bcdfghjklmnpqrstvwxzBCDFGHJKLMNPQRSTVWXZ");
  for (char ch : std::string(GetVowels())) {
    EXPECT_EQ(IsVowel(ch), ch);
    EXPECT_EQ(IsConsonant(ch), '\0');
    EXPECT_EQ(IsMCharVowel(ch, kRussian), ch);
  }
  for (char ch : std::string(GetConsonants())) {
    EXPECT_EQ(IsConsonant(ch), ch);
    EXPECT_EQ(IsMCharConsonant(ch, kRussian), ch);
  }
  EXPECT_EQ(IsVowel('\0'), '\0');
  EXPECT_EQ(IsConsonant('\0'), '\0');
  EXPECT_EQ(IsVowel('\xE0'), '\0');

  EXPECT_EQ(MCharToIndex('a', kRussian), -1);
  EXPECT_EQ(IndexToMChar(0, kRussian), '\0');
  EXPECT_EQ(MCharAnsiToOem('\x93', kRussian), '\x93');
  EXPECT_EQ(MCharOemToAnsi('\xCD', kRussian), '\xCD');
  char out[8];
  EXPECT_EQ(MStrTransliterate("\xC6x", out, kRussian), out + 2);
  EXPECT_STREQ(out, "\xC6x");
  EXPECT_TRUE(IsMCharPunct('\xE0', kRussian));
  EXPECT_TRUE(IsMCharPunct('-', kRussian));
  EXPECT_FALSE(IsMCharPunct('7', kRussian));
  EXPECT_FALSE(IsMCharPunct('q', kRussian));
  struct {
    const char* s;
    int upper, lower;
  } const strings[] = {{"ABC", 1, 0}, {"abc", 0, 1}, {"AbC", 0, 0},
                       {"A1", 0, 0},  {"", 0, 0},    {nullptr, 0, 0}};
  for (const auto& c : strings) {
    EXPECT_EQ(IsMStrUpper(c.s, kRussian), c.upper) << (c.s ? c.s : "null");
    EXPECT_EQ(IsMStrLower(c.s, kRussian), c.lower) << (c.s ? c.s : "null");
  }
}

TEST(CodePagePunctuation, RecognisesTheCodesOfBothPages) {
  struct {
    int (*test)(char);
    std::vector<int> codes;
  } const cases[] = {
      {IsMCharComma, {',', 130}},
      {IsMCharDash, {30, '-', 150, 151, 173}},
      {IsMCharApostrophe, {39, 96, 145, 146, 180}},
      {IsMCharQmark, {34, 132, 147, 148, 171, 187}},
      {IsMCharStop, {'!', '.', '?', 133}},
  };
  for (const auto& c : cases) {
    for (int code = 0; code < 256; ++code) {
      const bool expected = std::find(c.codes.begin(), c.codes.end(), code) != c.codes.end();
      EXPECT_EQ(c.test(static_cast<char>(code)) != 0, expected) << code;
    }
  }
}

TEST(LanguageIdLists, CopyMembershipAndPairStrings) {
  const unsigned short first[] = {0x419, 0x409, 0};
  const unsigned short second[] = {0x407, 0};
  unsigned short laid[6] = {9, 9, 9, 9, 9, 9};
  unsigned short* next = CopyLangId(laid, first);
  EXPECT_EQ(next, laid + 3);
  EXPECT_EQ(CopyLangId(next, second), laid + 5);
  const unsigned short expected[6] = {0x419, 0x409, 0, 0x407, 0, 9};
  EXPECT_TRUE(std::equal(laid, laid + 6, expected));
  EXPECT_EQ(CopyLangId(laid, nullptr), laid);

  struct {
    unsigned short id;
    int member;
  } const members[] = {{0x419, 1}, {0x409, 1}, {0x407, 0}, {0, 1}};
  for (const auto& c : members) EXPECT_EQ(IsMemberLangId(first, c.id), c.member) << c.id;
  EXPECT_EQ(IsMemberLangId(nullptr, 0x419), 0);

  struct {
    const char* pair;
    const char* inverted;
  } const pairs[] = {{"ruen", "enru"}, {"ruenXY", "enru"}, {"ru", "ru"}, {"rue", "rue"}, {"", ""}};
  for (const auto& c : pairs) {
    char text[8];
    std::strcpy(text, c.pair);
    EXPECT_EQ(InvertLanguages(text), text);
    EXPECT_STREQ(text, c.inverted) << c.pair;
  }
  EXPECT_EQ(InvertLanguages(nullptr), nullptr);
}

TEST(EmptyLanguageData, NothingIsLoadedAndPairsRefuse) {
  EXPECT_EQ(GetLangData()->GetFirst(), nullptr);
  EXPECT_EQ(GetLangData()->GetNext(), nullptr);
  EXPECT_EQ(GetLang(kRussian), nullptr);
  EXPECT_EQ(LangIdToStr(kRussian), nullptr);
  unsigned short ids[2] = {7, 7};
  EXPECT_EQ(GetSupportLang(ids), 1);
  EXPECT_EQ(ids[0], 0);
  EXPECT_EQ(GetSupportLang(nullptr), 0);
  CLangPair pair(kRussian, kEnglish);
  EXPECT_EQ(pair.GetInLangId(), 0);
  EXPECT_EQ(pair.GetInLang(), nullptr);
  EXPECT_STREQ(pair.GetLangStr(nullptr), "");
  pair.Invert();
  EXPECT_STREQ(pair.GetLangStr(nullptr), "");
}

}  // namespace
