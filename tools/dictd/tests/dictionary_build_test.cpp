// A small dictd source, made here, built into a dictionary through the
// engine and read back through its entry points: the articles found are
// the expected ones, a damaged index line and an article that cannot be
// stored are reported and the rest is built.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "lexicon/DicSearchFlags.h"
#include "lexicon/MorvexLexicon.h"
#include "tools/dictd/ConvertedDictionary.h"
#include "tools/dictd/DictionaryWriter.h"
#include "tools/dictd/FormatCeilings.h"

namespace {

const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Number(size_t value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 64]);
    value /= 64;
  } while (value > 0);
  return digits;
}

// A dictd source from (index word, article) pairs; `extraIndexLines` are
// added to the index as they are.
struct Fixture {
  std::string index;
  std::string data;
  void Add(const std::string& word, const std::string& article) {
    index += word + "\t" + Number(data.size()) + "\t" + Number(article.size()) + "\n";
    data += article;
  }
};

// CTest runs each test of this file as a process of its own, side by side:
// each test's files carry its name.
std::string TempPath(const std::string& name) {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  return testing::TempDir() + "dictd_build_" + (test ? test->name() : "suite") + "_" + name;
}

void WriteSource(const Fixture& fixture) {
  std::ofstream(TempPath("source.index"), std::ios::binary) << fixture.index;
  gzFile file = gzopen(TempPath("source.dict.dz").c_str(), "wb");
  ASSERT_NE(file, nullptr);
  gzwrite(file, fixture.data.data(), static_cast<unsigned>(fixture.data.size()));
  gzclose(file);
}

std::string Cp1251(const char* utf8) { return ConvertUtf8(utf8, CodePage::k1251, nullptr); }

class DictionaryBuild : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(MDInit(MORVEX_DATA_DIR), MD_OK); }

  void SetUp() override {
    Fixture fixture;
    fixture.Add("00-database-short", "00-database-short\n     Test English-Russian\n");
    fixture.Add("cat", u8"cat\n   [k\u00E6t] _n.\n   1) кошка; кот\n   2) _разг. сплетница\n");
    fixture.Add("cat", u8"Cat\n   _v. _мор. брать якорь на кат\n");
    fixture.Add("dictionary", u8"dictionary\n   _n. словарь\n");
    fixture.Add("colour", u8"colour\n   _n. цвет\n");
    fixture.Add("color", u8"color\n   _ам. = colour\n");
    fixture.Add("huge", "huge\n   _a. " + std::string(300, 'x') + "\n");
    fixture.index += "damaged line without numbers\n";
    fixture.index += "outside\tAAAB\tZZZ\n";
    WriteSource(fixture);
    source_.indexPath = TempPath("source.index");
    source_.dataPath = TempPath("source.dict.dz");
    source_.layout = SourceLayout::kMueller;
    source_.langIn = 1033;
    source_.langOut = 1049;
  }

  DictionarySource source_;
};

TEST_F(DictionaryBuild, BuildsTheArticlesThatFitAndReportsTheOthers) {
  ConvertedDictionary dictionary;
  std::string error;
  ASSERT_TRUE(ConvertDictionary(source_, &dictionary, &error)) << error;
  ApplyFormatCeilings(FormatLimits(), &dictionary);
  EXPECT_EQ(dictionary.shortName, "Test English-Russian");
  ASSERT_EQ(dictionary.problems.size(), 3u);
  EXPECT_NE(dictionary.problems[0].find("index line 8"), std::string::npos);
  EXPECT_NE(dictionary.problems[1].find("outside: its article lies outside"), std::string::npos);
  EXPECT_NE(dictionary.problems[2].find("huge: a text longer than 255"), std::string::npos);

  const std::string path = TempPath("built.dic");
  DictionaryProperties properties;
  properties.langIn = 1033;
  properties.langOut = 1049;
  properties.infoIn = "Test English-Russian";
  ASSERT_TRUE(WriteDictionary(dictionary, properties, path, &error)) << error;
  ASSERT_TRUE(VerifyDictionary(dictionary, path, &error)) << error;

  MD_HANDLE dic = MDOpen(path.c_str(), 0);
  ASSERT_NE(dic, nullptr);
  MD_PROP prop = {};
  prop.flags = MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT | MD_PROP_INFO_IN | MD_PROP_COUNT;
  ASSERT_EQ(MDGetDicProperty(dic, &prop), MD_OK);
  EXPECT_EQ(prop.type, 1);
  EXPECT_EQ(prop.langIn, 1033);
  EXPECT_EQ(prop.langOut, 1049);
  EXPECT_EQ(std::string(prop.infoIn, strnlen(prop.infoIn, 48)), "Test English-Russian");
  EXPECT_EQ(prop.articleCount, 4u);

  const struct {
    int32_t flags;
    const char* word;
    std::string article;
  } finds[] = {
      {kMDFindExact, "cat",
       Cp1251(u8"N 1. кошка; кот 2. разг) сплетница V. мор) брать якорь на кат")},
      {kMDFindExact, "dictionary", Cp1251(u8"N словарь")},
      {kMDFindExact, "color", Cp1251(u8"ам) =\u00A0colour \\colour")},
      {kMDFindExact | kMDFindDictForm, "dictionary",
       Cp1251(u8"{Noun} dictionary\r\n\t\u00B7{Noun} словарь;")},
  };
  for (const auto& f : finds) {
    const char* article = nullptr;
    ASSERT_EQ(MDFind(dic, f.flags, f.word, nullptr, &article), MD_OK) << f.word;
    EXPECT_EQ(std::string(article), f.article) << f.word;
  }
  EXPECT_EQ(MDFind(dic, kMDFindExact, "huge", nullptr, nullptr), MD_FAILED);
  MDClose(&dic);
}

TEST_F(DictionaryBuild, AFailedBuildLeavesNoFile) {
  ConvertedDictionary dictionary;
  std::string error;
  ASSERT_TRUE(ConvertDictionary(source_, &dictionary, &error)) << error;
  const std::string path = TempPath("no-such-dir/built.dic");
  EXPECT_FALSE(WriteDictionary(dictionary, DictionaryProperties(), path, &error));
  EXPECT_NE(error.find("cannot be created"), std::string::npos);
  EXPECT_EQ(std::fopen(path.c_str(), "rb"), nullptr);
}

TEST_F(DictionaryBuild, AMissingSourceIsAnError) {
  source_.dataPath = TempPath("missing.dict.dz");
  ConvertedDictionary dictionary;
  std::string error;
  EXPECT_FALSE(ConvertDictionary(source_, &dictionary, &error));
  EXPECT_NE(error.find("missing.dict.dz"), std::string::npos);
}

}  // namespace
