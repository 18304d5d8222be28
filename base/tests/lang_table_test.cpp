// The services of one alphabet (CLang) over the shipped alphabets, loaded
// into a private CLangData. Russian text is written in cp1251 escapes:
// а-я are E0-FF, А-Я C0-DF, ё B8 and Ё A8.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "base/CLang.h"
#include "base/CLangData.h"
#include "base/tests/lang_support.h"

namespace {

class ShippedAlphabets : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new ScratchDir;
    data_ = new CLangData;
    ASSERT_EQ(LoadShippedText(*data_, *dir_), CLangData::kLoaded);
  }
  static void TearDownTestSuite() {
    delete data_;
    delete dir_;
  }
  static const CLang& Lang(unsigned short id) { return *data_->GetLang(id); }

  static ScratchDir* dir_;
  static CLangData* data_;
};

ScratchDir* ShippedAlphabets::dir_ = nullptr;
CLangData* ShippedAlphabets::data_ = nullptr;

int Sign(int value) { return (value > 0) - (value < 0); }

struct OrderCase {
  const char* a;
  const char* b;
  int sign;
};

TEST_F(ShippedAlphabets, DictionaryOrderUnderRussian) {
  const OrderCase cases[] = {
      {"\xC0\xE1", "\xE0\xE1", -1},         // Аб < аб: same word, capital first
      {"\xC0\xE2", "\xE0\xE1", -1},         // Ав < аб: the first differing pair decides
      {"\xE0\xE1", "\xE0\xE2", -1},         // аб < ав
      {"\xE0\xE1", "\xE0\xE1\xE2", -1},     // a prefix first
      {"\xE5\xEB\xFC", "\xB8\xE6", -1},     // ель < ёж
      {"\xB8\xE6", "\xE6\xF3\xEA", -1},     // ёж < жук
      {"\xE5\xE6", "\xB8\xE6", -1},         // еж < ёж: ё is a letter of its own
      {"\xA8\xE6", "\xB8\xE6", -1},         // Ёж < ёж
      {"\xFF", "\xC0", 1},                  // я after А: the alphabet before case
      {"CD", "DC", -1},                     // Latin letters are not all one letter
      {"CD", "cd", -1},                     // then capitals first
      {"Cd", "cD", -1},                     //
      {"zz", "\xE0", -1},                   // Latin before the alphabet
      {"a-b", "a-c", -1},                   // equal non-letters are skipped
      {"\xE0-", "\xE0\xE1", -1},            // a non-letter pair compares as bytes
      {"\xE6\xF3\xEA", "\xE6\xF3\xEA", 0},  //
      {"", "", 0},
  };
  const CLang& russian = Lang(kRussianId);
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(russian.CompareSortUpDown(c.a, c.b)), c.sign) << c.a << " / " << c.b;
    EXPECT_EQ(Sign(russian.CompareSortUpDown(c.b, c.a)), -c.sign) << c.b << " / " << c.a;
  }
}

TEST_F(ShippedAlphabets, CaseFirstOrder) {
  struct {
    unsigned short lang;
    OrderCase order;
  } const cases[] = {
      {kRussianId, {"\xC0\xE1", "\xE0\xE1", -1}},  // Аб < аб
      {kRussianId, {"\xDF\xFF", "\xE0\xE0", -1}},  // Яя < аа: every capital first
      {kRussianId, {"\xE0\xE1", "\xE0\xE2", -1}},  // аб < ав
      {kRussianId, {"CD", "DC", -1}},
      {kRussianId, {"DC", "cd", -1}},
      {kRussianId, {"ab", "\xE0", -1}},  // Latin before the alphabet
      {kGermanId, {"S", "\xDF", -1}},    // ß has no capital: after the capitals
      {kGermanId, {"\xDF", "a", -1}},    // and before the small letters
      {kGermanId,
       {"Stra\xDF"
        "e",
        "Strasse", -1}},
  };
  for (const auto& c : cases) {
    const CLang& lang = Lang(c.lang);
    EXPECT_EQ(Sign(lang.CompareSort(c.order.a, c.order.b)), c.order.sign)
        << c.order.a << " / " << c.order.b;
    EXPECT_EQ(Sign(lang.CompareSort(c.order.b, c.order.a)), -c.order.sign)
        << c.order.b << " / " << c.order.a;
  }
  // ß sorts after s in the dictionary order, as its row does.
  EXPECT_GT(Lang(kGermanId).CompareSortUpDown("\xDF", "s"), 0);
  EXPECT_LT(Lang(kGermanId).CompareSortUpDown("\xDF", "t"), 0);
}

// Random words over an alphabet and some Latin letters: both word orders
// must be antisymmetric, call only equal words equal, and be transitive.
TEST_F(ShippedAlphabets, WordOrdersAreTotalOrders) {
  using Compare = int (CLang::*)(const char*, const char*) const;
  const Compare orders[] = {&CLang::CompareSortUpDown, &CLang::CompareSort};
  const unsigned short languages[] = {kRussianId, kGermanId, kFrenchId};
  std::mt19937 random(1049);
  for (unsigned short id : languages) {
    const CLang& lang = Lang(id);
    std::string letters = "aAbBzZ";
    for (int i = 0; i < lang.GetLetterCount(); ++i) {
      letters += lang.GetLetter(i).lower;
      letters += lang.GetLetter(i).upper;
    }
    std::vector<std::string> words;
    for (int w = 0; w < 300; ++w) {
      std::string word;
      const int length = std::uniform_int_distribution<int>(0, 4)(random);
      // A third of the words use only the first 8 letters, so that shared
      // prefixes and near misses are common.
      const std::size_t span = w % 3 == 0 ? 8 : letters.size();
      for (int i = 0; i < length; ++i) {
        word += letters[std::uniform_int_distribution<std::size_t>(0, span - 1)(random)];
      }
      words.push_back(word);
    }
    for (Compare order : orders) {
      auto compare = [&](const std::string& a, const std::string& b) {
        return Sign((lang.*order)(a.c_str(), b.c_str()));
      };
      for (const auto& a : words) {
        for (const auto& b : words) {
          const int ab = compare(a, b);
          ASSERT_EQ(ab, -compare(b, a)) << std::hex << id << " " << a << " / " << b;
          ASSERT_EQ(ab == 0, a == b) << std::hex << id << " " << a << " / " << b;
        }
      }
      std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
      for (int t = 0; t < 100000; ++t) {
        const std::string& a = words[pick(random)];
        const std::string& b = words[pick(random)];
        const std::string& c = words[pick(random)];
        if (compare(a, b) <= 0 && compare(b, c) <= 0) {
          ASSERT_LE(compare(a, c), 0) << std::hex << id << " " << a << " " << b << " " << c;
        }
      }
    }
  }
}

TEST_F(ShippedAlphabets, CaseInsensitiveComparisons) {
  const CLang& russian = Lang(kRussianId);
  EXPECT_EQ(russian.CompareNoCase("\xB8\xE6", "\xA8\xC6"), 0);  // ёж = ЁЖ
  EXPECT_NE(russian.CompareNoCase("\xB8\xE6", "\xC5\xC6"), 0);  // ёж != ЕЖ
  EXPECT_EQ(russian.CompareBaseNoCase("\xB8\xE6", "\xC5\xC6"), 0);
  EXPECT_LT(russian.CompareNoCase("\xE0\xE1", "\xC0\xC1\xC2"), 0);
  EXPECT_EQ(russian.CompareNNoCase("\xE0\xE1\xE2x", "\xC0\xC1\xC2y", 3), 0);
  EXPECT_NE(russian.CompareNNoCase("\xE0\xE1\xE2x", "\xC0\xC1\xC2y", 4), 0);
  EXPECT_EQ(russian.CompareNSort("\xE0\xE1\xE2x", "\xC0\xC1\xC2y", 3), 0);
  EXPECT_EQ(russian.CompareBaseNNoCase("\xB8\xE6x", "\xC5\xC6y", 2), 0);
  EXPECT_EQ(russian.CompareNNoCase("x", "y", 0), 0);
  EXPECT_LT(russian.CompareNNoCase("\xE0", "\xE0\xE1", 5), 0);
  EXPECT_EQ(russian.CompareNoCase(nullptr, ""), 0);
}

TEST_F(ShippedAlphabets, LetterTestsAndMappings) {
  const CLang& r = Lang(kRussianId);
  const char yo = '\xB8', capitalYo = '\xA8', ye = '\xE5', capitalYe = '\xC5';
  // Outside the alphabet the tests fall back to 7 bits, the mappings do not.
  EXPECT_TRUE(r.IsUpper('A'));
  EXPECT_TRUE(r.IsAlpha('a'));
  EXPECT_EQ(r.ToUpper('a'), 'a');
  EXPECT_FALSE(r.IsAlpha('1'));
  EXPECT_TRUE(r.IsAlphaNum('1'));
  EXPECT_FALSE(r.IsAlpha('\xB0'));
  // Classes: ъ and ь are neither.
  EXPECT_EQ(r.IsVowel('\xE0'), '\xE0');
  EXPECT_EQ(r.IsVowel('\xE1'), '\0');
  EXPECT_EQ(r.IsConsonant('\xE1'), '\xE1');
  EXPECT_EQ(r.IsVowel('\xFA'), '\0');
  EXPECT_EQ(r.IsConsonant('\xFA'), '\0');
  EXPECT_EQ(r.IsVowel('a'), '\0');
  // Base letters: ё is е with a diacritic.
  EXPECT_TRUE(r.IsBaseAlpha(ye));
  EXPECT_FALSE(r.IsSpecAlpha(ye));
  EXPECT_TRUE(r.IsSpecAlpha(yo));
  EXPECT_FALSE(r.IsBaseAlpha(yo));
  EXPECT_TRUE(r.IsSpecLower(yo));
  EXPECT_FALSE(r.IsSpecUpper(yo));
  EXPECT_TRUE(r.IsSpecUpper(capitalYo));
  EXPECT_TRUE(r.IsBaseUpper(capitalYe));
  EXPECT_FALSE(r.IsBaseLower(capitalYe));
  EXPECT_FALSE(r.IsBaseAlpha('a'));
  EXPECT_FALSE(r.IsSpecAlpha('a'));
  EXPECT_EQ(r.ToBaseLower(capitalYo), ye);
  EXPECT_EQ(r.ToBaseUpper(yo), capitalYe);
  EXPECT_EQ(r.ToBaseUpper('\xE9'), '\xC8');  // й -> И
  EXPECT_EQ(r.ToLower(capitalYo), yo);
  EXPECT_EQ(r.ToUpper(yo), capitalYo);
  // Indexes.
  EXPECT_EQ(r.CharToIndex(yo), 6);
  EXPECT_EQ(r.CharToIndex(capitalYo), 6);
  EXPECT_EQ(r.CharToIndex('a'), -1);
  EXPECT_EQ(r.IndexToChar(6), yo);
  EXPECT_EQ(r.IndexToChar(33), '\0');
  EXPECT_EQ(r.IndexToChar(-1), '\0');
  char word[] = "\xB8\xE6\xE8\xEA abc";
  EXPECT_EQ(r.StrUpr(word), word);
  EXPECT_STREQ(word, "\xA8\xC6\xC8\xCA abc");
  EXPECT_STREQ(r.StrLwr(word), "\xB8\xE6\xE8\xEA abc");
  EXPECT_EQ(r.StrUpr(nullptr), nullptr);
}

TEST_F(ShippedAlphabets, CodePageConversions) {
  const CLang& r = Lang(kRussianId);
  struct {
    unsigned char ansi, oem;
  } const toOem[] = {
      {130, ','},  {132, '"'},   {147, '"'}, {148, '"'}, {171, '"'}, {187, '"'},  {145, '`'},
      {146, '\''}, {180, '\''},  {150, '-'}, {151, '-'}, {173, '-'}, {0xF0, 224},  // р
      {0xA8, 240},                                                                 // Ё
      {'x', 'x'},  {0xB0, 0xB0},
  };
  for (const auto& c : toOem) {
    EXPECT_EQ(static_cast<unsigned char>(r.CharAnsiToOem(static_cast<char>(c.ansi))), c.oem)
        << int{c.ansi};
  }
  struct {
    unsigned char oem, ansi;
  } const toAnsi[] = {
      {205, '='},  {179, ':'},  {186, ':'},  {196, '-'},  {176, '+'}, {223, '+'}, {197, '+'},
      {224, 0xF0}, {240, 0xA8}, {128, 0xC0}, {175, 0xEF}, {'x', 'x'}, {254, 254},
  };
  for (const auto& c : toAnsi) {
    EXPECT_EQ(static_cast<unsigned char>(r.CharOemToAnsi(static_cast<char>(c.oem))), c.ansi)
        << int{c.oem};
  }
  // In cp850 letters sit among the box-drawing codes: the letter wins.
  const CLang& french = Lang(kFrenchId);
  EXPECT_EQ(french.CharOemToAnsi(static_cast<char>(183)), '\xC0');  // À
  EXPECT_EQ(french.CharOemToAnsi(static_cast<char>(185)), '+');
  // œ has no cp850 form and takes o's, which comes back as o.
  EXPECT_EQ(french.CharAnsiToOem('\x9C'), 'o');
  EXPECT_EQ(french.CharOemToAnsi('o'), 'o');

  char text[] = "\xD0\xE0\xE7 \x96 \x93x\x94";
  char* end = r.StrAnsiToOem(text, text);
  EXPECT_EQ(end, text + 9);
  EXPECT_STREQ(text, "\x90\xA0\xA7 - \"x\"");
  EXPECT_STREQ(r.StrOemToAnsi(text, text) - 9, "\xD0\xE0\xE7 - \"x\"");
  EXPECT_EQ(r.StrAnsiToOem("a", nullptr), nullptr);
}

TEST_F(ShippedAlphabets, Transliteration) {
  struct {
    unsigned short lang;
    const char* text;
    const char* latin;
  } const cases[] = {
      {kRussianId, "\xC6\xF3\xEA", "ZHuk"},          // Жук: the capital's letters capitalised
      {kRussianId, "\xD9\xC8\xD2", "SCHIT"},         // ЩИТ
      {kRussianId, "\xF1\xFA\xE5\xEB", "s'el"},      // съел
      {kRussianId, "\xB8\xE6", "yozh"},              // ёж
      {kRussianId, "CD-\xC6\xF3\xEA!", "CD-ZHuk!"},  // other characters are copied
      {kRussianId, "", ""},
      {kGermanId,
       "Stra\xDF"
       "e",
       "Strasse"},
      {kGermanId,
       "\xDF"
       "A",
       "SSA"},  // a caseless first letter takes the next one's case
      {kGermanId,
       "\xDF"
       "a",
       "ssa"},
      {kGermanId, "A\xDF", "ASS"},  // later it keeps the case it has
      {kFrenchId,
       "C\x9C"
       "ur",
       "Coeur"},
  };
  for (const auto& c : cases) {
    char out[64];
    char* end = Lang(c.lang).StrTransliterate(c.text, out);
    EXPECT_STREQ(out, c.latin) << c.text;
    EXPECT_EQ(end, out + std::strlen(c.latin));
  }
}

}  // namespace
