// The real English-Russian dictionary that the build makes from its dictd
// source, read through the engine's entry points as the program reads it:
// well-known words find their translations, stored in code page 1251.
#include <gtest/gtest.h>

#include <string>

#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/DicSearchFlags.h"
#include "lexicon/MorvexLexicon.h"

namespace {

class MuellerDictionary : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(MDInit(MORVEX_DATA_DIR), MD_OK);
    dic_ = MDOpen(MORVEX_MUELLER_DIC, 0);
  }
  static void TearDownTestSuite() { MDClose(&dic_); }

  static MD_HANDLE dic_;
};

MD_HANDLE MuellerDictionary::dic_ = nullptr;

TEST_F(MuellerDictionary, HoldsTheWholeSource) {
  ASSERT_NE(dic_, nullptr);
  MD_PROP prop = {};
  prop.flags = MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT | MD_PROP_COUNT;
  ASSERT_EQ(MDGetDicProperty(dic_, &prop), MD_OK);
  EXPECT_EQ(prop.type, 1);
  EXPECT_EQ(prop.langIn, 1033);
  EXPECT_EQ(prop.langOut, 1049);
  EXPECT_GT(prop.articleCount, 45000u);
}

TEST_F(MuellerDictionary, WellKnownWordsFindTheirTranslations) {
  const struct {
    const char* word;
    const char* translation;  // code page 1251
  } cases[] = {
      {"dictionary", "\xF1\xEB\xEE\xE2\xE0\xF0\xFC"},   // словарь
      {"cat", "\xEA\xEE\xF8\xEA\xE0"},                  // кошка
      {"house", "\xE4\xEE\xEC"},                        // дом
      {"go", "\xE8\xE4\xF2\xE8"},                       // идти
      {"water", "\xE2\xEE\xE4\xE0"},                    // вода
      {"book", "\xEA\xED\xE8\xE3\xE0"},                 // книга
      {"red", "\xEA\xF0\xE0\xF1\xED\xFB\xE9"},          // красный
      {"abandon", "\xEF\xEE\xEA\xE8\xE4\xE0\xF2\xFC"},  // покидать
      {"zebra", "\xE7\xE5\xE1\xF0\xE0"},                // зебра
      {"mother", "\xEC\xE0\xF2\xFC"},                   // мать
      {"love", "\xEB\xFE\xE1\xEE\xE2\xFC"},             // любовь
  };
  ASSERT_NE(dic_, nullptr);
  for (const auto& c : cases) {
    const char* article = nullptr;
    ASSERT_EQ(MDFind(dic_, kMDFindExact, c.word, nullptr, &article), MD_OK) << c.word;
    EXPECT_NE(std::string(article).find(c.translation), std::string::npos) << c.word;
  }
}

TEST_F(MuellerDictionary, ShowsTheDictionaryForm) {
  ASSERT_NE(dic_, nullptr);
  const char* article = nullptr;
  ASSERT_EQ(MDFind(dic_, kMDFindExact | kMDFindDictForm, "dictionary", nullptr, &article), MD_OK);
  EXPECT_STREQ(article, "{Noun} dictionary\r\n\t\xB7{Noun} \xF1\xEB\xEE\xE2\xE0\xF0\xFC;");
  // A reference to another head word stands last, after a backslash.
  ASSERT_EQ(MDFind(dic_, kMDFindExact | kMDFindDictForm, "color", nullptr, &article), MD_OK);
  const std::string color = article;
  ASSERT_GT(color.size(), 9u);
  EXPECT_EQ(color.substr(color.size() - 9), "\r\n\\colour");
}

TEST_F(MuellerDictionary, TheNearSearchCompletesABeginning) {
  ASSERT_NE(dic_, nullptr);
  const char* word = nullptr;
  ASSERT_EQ(MDFind(dic_, kMDFindNear | kMDFindWordOnly, "dictionar", &word, nullptr), MD_OK);
  EXPECT_STREQ(word, "dictionary");
}

// Pages of articles are shown straight from their records; every article of
// the dictionary must read so as its tree would show it.
TEST_F(MuellerDictionary, EveryArticleShowsAsItsTreeDoes) {
  CDic dic;
  ASSERT_EQ(dic.Load(MORVEX_MUELLER_DIC, 0), 1);
  int articles = 0;
  for (int found = dic.Find(kMDFindNear | kMDFindDictForm, "", nullptr); found;
       found = dic.Next(nullptr)) {
    const std::string shown = dic.GetEntryText(kMDFindDictForm);
    ASSERT_EQ(shown, std::string(MergeString(*dic.GetEntry(), kMDFindDictForm)))
        << dic.GetEntry()->GetInWord();
    ++articles;
  }
  EXPECT_GT(articles, 45000);
}

}  // namespace
