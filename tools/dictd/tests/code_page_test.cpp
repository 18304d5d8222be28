// UTF-8 into code pages 1251 and 1252: direct characters, transliteration,
// characters without an equivalent and malformed input.
#include <gtest/gtest.h>

#include <string>

#include "tools/dictd/CodePageConversion.h"

namespace {

struct ConversionCase {
  const char* name;
  std::string utf8;
  CodePage codePage;
  std::string expected;
  unsigned transliterated;
  unsigned dropped;
  unsigned malformed;
};

TEST(CodePageConversion, ConvertsTransliteratesOrDrops) {
  const ConversionCase cases[] = {
      {"russian in 1251", u8"словарь Ёж", CodePage::k1251, "\xF1\xEB\xEE\xE2\xE0\xF0\xFC \xA8\xE6",
       0, 0, 0},
      {"dashes and quotes exist in 1251", u8"a\u2014b \u00ABc\u00BB \u2116", CodePage::k1251,
       "a\x97"
       "b \xAB"
       "c\xBB \xB9",
       0, 0, 0},
      {"german in 1252", u8"Stra\u00DFe f\u00FCr", CodePage::k1252,
       "Stra\xDF"
       "e f\xFCr",
       0, 0, 0},
      {"german in 1251 loses its accents", u8"Stra\u00DFe f\u00FCr caf\u00E9", CodePage::k1251,
       "Strasse fur cafe", 3, 0, 0},
      {"russian in 1252 is transliterated", u8"щука, дом", CodePage::k1252, "shchuka, dom", 7, 0,
       0},
      {"extended latin in 1252", u8"\u0141\u00F3d\u017A \u0160", CodePage::k1252,
       "L\xF3"
       "dz \x8A",
       2, 0, 0},
      {"greek", u8"\u03B1\u03A9", CodePage::k1252, "aO", 2, 0, 0},
      {"symbols 1251 lacks", u8"\u00BD \u00D7 \u00A3", CodePage::k1251, "1/2 x GBP", 3, 0, 0},
      {"phonetic letters and arrows are dropped", u8"[\u2197d\u026Ak\u0283\u025Cnr\u026A]",
       CodePage::k1251, "[dknr]", 0, 5, 0},
      {"characters beyond the basic plane", u8"a\U0001F600b", CodePage::k1252, "ab", 0, 1, 0},
      {"an embedded NUL", std::string("a\0b", 3), CodePage::k1252, "ab", 0, 1, 0},
      {"an invalid byte",
       "a\xFF"
       "b",
       CodePage::k1252, "ab", 0, 0, 1},
      {"a truncated sequence", "ab\xD0", CodePage::k1251, "ab", 0, 0, 1},
      {"an overlong encoding",
       "\xC0\xAF"
       "x",
       CodePage::k1252, "x", 0, 0, 2},
      {"a surrogate", "\xED\xA0\x80", CodePage::k1252, "", 0, 0, 3},
  };
  for (const ConversionCase& c : cases) {
    ConversionCounts counts;
    EXPECT_EQ(ConvertUtf8(c.utf8, c.codePage, &counts), c.expected) << c.name;
    EXPECT_EQ(counts.transliterated, c.transliterated) << c.name;
    EXPECT_EQ(counts.dropped, c.dropped) << c.name;
    EXPECT_EQ(counts.malformed, c.malformed) << c.name;
  }
}

TEST(CodePageConversion, RussianLanguagesUse1251) {
  EXPECT_EQ(CodePageOfLanguage(1049), CodePage::k1251);
  EXPECT_EQ(CodePageOfLanguage(0x0819), CodePage::k1251);  // Russian (Moldova)
  EXPECT_EQ(CodePageOfLanguage(1033), CodePage::k1252);
  EXPECT_EQ(CodePageOfLanguage(1031), CodePage::k1252);
}

}  // namespace
