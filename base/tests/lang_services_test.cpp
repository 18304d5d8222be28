// The character services, language-id lists and language pairs with the
// shipped alphabets loaded into the process-wide language data (a test
// program of its own: the process keeps what it loads). Russian text is in
// cp1251 escapes: а-я E0-FF, А-Я C0-DF, ё B8, Ё A8.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/CLangData.h"
#include "base/CLangPair.h"
#include "base/CharServices.h"
#include "base/LangIds.h"
#include "base/MCString.h"
#include "base/tests/lang_support.h"

namespace {

constexpr unsigned short kNotLoaded = 0x405;

class LoadedLanguages : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new ScratchDir;
    ASSERT_EQ(LoadShippedText(*GetLangData(), *dir_), CLangData::kLoaded);
  }
  static void TearDownTestSuite() { delete dir_; }

  static ScratchDir* dir_;
};

ScratchDir* LoadedLanguages::dir_ = nullptr;

TEST_F(LoadedLanguages, LoadWorksOncePerProcess) {
  ScratchDir other;
  EXPECT_EQ(GetLangData()->Load(other.DirWithSeparator().c_str(), "Lang.dat"), CLangData::kLoaded);
  EXPECT_EQ(GetLangData()->GetLangCount(), 8);
  EXPECT_EQ(GetLang(kRussianId), GetLangData()->GetLang(kRussianId));
  EXPECT_EQ(GetLang(kNotLoaded), nullptr);
}

TEST_F(LoadedLanguages, ServicesUseTheAlphabetOfTheirLanguage) {
  const unsigned short ru = kRussianId;
  EXPECT_TRUE(IsMCharAlpha('\xE0', ru));
  EXPECT_FALSE(IsMCharAlpha('\xE0', kNotLoaded));
  EXPECT_TRUE(IsMCharAlphaNum('\xE0', ru));
  EXPECT_TRUE(IsMCharUpper('\xC0', ru));
  EXPECT_TRUE(IsMCharLower('\xB8', ru));
  EXPECT_EQ(IsMCharVowel('\xE0', ru), '\xE0');
  EXPECT_EQ(IsMCharVowel('a', ru), '\0');  // not a letter of the alphabet
  EXPECT_EQ(IsMCharVowel('a', kNotLoaded), 'a');
  EXPECT_EQ(IsMCharConsonant('\xE1', ru), '\xE1');
  EXPECT_FALSE(IsMCharPunct('\xE0', ru));
  EXPECT_TRUE(IsMCharPunct('\xE0', kNotLoaded));
  EXPECT_TRUE(IsMStrUpper("\xC0\xC1Z", ru));
  EXPECT_FALSE(IsMStrUpper("\xC0\xE1", ru));
  EXPECT_TRUE(IsMStrLower("\xE0\xB8", ru));

  EXPECT_EQ(MCharToUpper('\xB8', ru), '\xA8');
  EXPECT_EQ(MCharToUpper('a', ru), 'a');  // no 7-bit fallback inside an alphabet
  EXPECT_EQ(MCharToUpper('a', kNotLoaded), 'A');
  EXPECT_EQ(MCharToLower('\xC0', ru), '\xE0');
  char word[] = "\xB8\xE6";
  EXPECT_STREQ(MStrUpr(word, ru), "\xA8\xC6");
  EXPECT_STREQ(MStrLwr(word, ru), "\xB8\xE6");
  EXPECT_EQ(MCharToIndex('\xB8', ru), 6);
  EXPECT_EQ(IndexToMChar(6, ru), '\xB8');

  EXPECT_LT(MStrCompareSortUpDown("\xC0\xE1", "\xE0\xE1", ru), 0);
  EXPECT_LT(MStrCompareSortUpDown("\xB8\xE6", "\xE6\xF3\xEA", ru), 0);
  EXPECT_NE(MStrCompareSortUpDown("CD", "DC", ru), 0);
  EXPECT_EQ(MStrCompareSortUpDown("CD", "DC", kNotLoaded), 0);
  EXPECT_LT(MStrCompareSort("\xDF", "\xE0", ru), 0);
  EXPECT_EQ(MStrCompareNSort("\xE0\xE1x", "\xC0\xC1y", 2, ru), 0);
  EXPECT_NE(MStrCompareNSort("ab", "AB", 2, kNotLoaded), 0);
  EXPECT_EQ(MStrCompareNoCase("\xB8\xE6", "\xA8\xC6", ru), 0);
  EXPECT_EQ(MStrCompareBaseNoCase("\xB8\xE6", "\xC5\xC6", ru), 0);
  EXPECT_EQ(MStrCompareNNoCase("\xE0x", "\xC0y", 1, ru), 0);
  EXPECT_EQ(MStrCompareBaseNNoCase("\xB8x", "\xC5y", 1, ru), 0);

  EXPECT_EQ(MCharAnsiToOem('\xF0', ru), '\xE0');
  EXPECT_EQ(MCharOemToAnsi('\xE0', ru), '\xF0');
  char text[] = "\xE0\xE1\x96";
  EXPECT_EQ(MStrAnsiToOem(text, text, ru), text + 3);
  EXPECT_STREQ(text, "\xA0\xA1-");
  EXPECT_STREQ(MStrOemToAnsi(text, text, ru) - 3, "\xE0\xE1-");
  char latin[16];
  EXPECT_EQ(MStrTransliterate("\xC6\xF3\xEA", latin, ru), latin + 4);
  EXPECT_STREQ(latin, "ZHuk");
}

TEST_F(LoadedLanguages, StringsReachTheAlphabetThroughTheirLanguageId) {
  MCString word("\xB8\xE6\xE8\xEA");
  word.SetLangId(kRussianId);
  word.MakeUpper();
  EXPECT_STREQ(word, "\xA8\xC6\xC8\xCA");
  EXPECT_EQ(word.CompareNoCase("\xB8\xE6\xE8\xEA"), 0);
  EXPECT_TRUE(word.IsAlpha(0));
}

TEST_F(LoadedLanguages, NamesAndSupportedLanguages) {
  EXPECT_STREQ(LangIdToStr(kRussianId), "ru");
  EXPECT_STREQ(LangIdToString(kGermanId), "German");
  EXPECT_EQ(LangIdToStr(kNotLoaded), nullptr);
  EXPECT_EQ(LangIdToString(0), nullptr);

  std::vector<unsigned short> ids(GetLangData()->GetLangCount() + 1, 0xFFFF);
  EXPECT_EQ(GetSupportLang(ids.data()), 1);
  std::vector<unsigned short> walked;
  for (CLang* lang = GetLangData()->GetFirst(); lang; lang = GetLangData()->GetNext()) {
    walked.push_back(lang->GetLangId());
  }
  walked.push_back(0);
  EXPECT_EQ(ids, walked);
  EXPECT_EQ(ids.size(), 9u);
}

TEST_F(LoadedLanguages, LanguagePairs) {
  CLangPair pair(kRussianId, kEnglishId);
  EXPECT_STREQ(pair.GetLangStr(nullptr), "ruen");
  EXPECT_EQ(pair.GetInLang(), GetLang(kRussianId));
  EXPECT_EQ(pair.GetOutLang(), GetLang(kEnglishId));
  pair.Invert();
  char copy[CLangPair::kPairStringLength + 1];
  EXPECT_STREQ(pair.GetLangStr(copy), "enru");
  EXPECT_STREQ(copy, "enru");
  EXPECT_EQ(pair.GetInLangId(), kEnglishId);
  EXPECT_EQ(pair.GetOutLang(), GetLang(kRussianId));

  CLangPair alone(kRussianId, 0);
  EXPECT_EQ(alone.GetOutLangId(), kRussianId);
  EXPECT_EQ(alone.GetOutLang(), alone.GetInLang());
  EXPECT_STREQ(alone.GetLangStr(nullptr), "ru");
  alone.Invert();
  EXPECT_STREQ(alone.GetLangStr(nullptr), "ru");
  EXPECT_EQ(alone.GetInLangId(), kRussianId);

  // A failed SetLangId changes nothing, whichever language is missing.
  struct {
    unsigned short in, out;
  } const refused[] = {{0, kEnglishId}, {kNotLoaded, kEnglishId}, {kGermanId, kNotLoaded}};
  for (const auto& c : refused) {
    CLangPair kept(kRussianId, kEnglishId);
    EXPECT_EQ(kept.SetLangId(c.in, c.out), 0) << c.in << " " << c.out;
    EXPECT_STREQ(kept.GetLangStr(nullptr), "ruen");
    EXPECT_EQ(kept.GetInLangId(), kRussianId);
    EXPECT_EQ(kept.GetOutLangId(), kEnglishId);
    EXPECT_EQ(kept.GetInLang(), GetLang(kRussianId));
    EXPECT_EQ(kept.GetOutLang(), GetLang(kEnglishId));
  }
  CLangPair changed(kRussianId, kEnglishId);
  EXPECT_EQ(changed.SetLangId(kGermanId, kFrenchId), 1);
  EXPECT_STREQ(changed.GetLangStr(nullptr), "defr");
  changed.SetInLangId(kRussianId);  // the id alone
  EXPECT_EQ(changed.GetInLang(), GetLang(kGermanId));
  EXPECT_STREQ(changed.GetLangStr(nullptr), "defr");
}

}  // namespace
