// MDInit and what it loads: the language data, then the grammar tables, and
// the list of supported languages. The language data and the grammar are
// process-wide and stay loaded, so the cases run in this order in one
// process (under Wine) as well as each on its own (natively).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "base/CLangData.h"
#include "base/tests/wordlist_support.h"
#include "grammar/GrammarTables.h"
#include "lexicon/MorvexLexicon.h"

namespace {

constexpr int kShippedLanguages = 8;

std::string ShippedFile(const std::string& name) {
  std::ifstream in(std::string(MORVEX_BUILD_DATA_DIR) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class EntryPointsInitTest : public ::testing::Test {
 protected:
  void Copy(const std::string& name) {
    const std::string bytes = ShippedFile(name);
    ASSERT_FALSE(bytes.empty()) << name;
    dir_.Write(name, bytes);
  }
  std::string Dir() const { return dir_.DirWithSeparator(); }

  ScratchDir dir_;
};

// Nothing must be loaded yet in this process for these two cases to mean
// anything; they come first.
TEST_F(EntryPointsInitTest, WithoutLangDatNothingIsLoaded) {
  ASSERT_EQ(GetLangData()->GetLangCount(), 0);
  Copy("GramId.dat");
  Copy("GramVal.dat");
  EXPECT_EQ(MDInit(Dir().c_str()), MD_NO_HANDLE);
  EXPECT_EQ(GetLangData()->GetLangCount(), 0);
  EXPECT_EQ(GetGramAttrNameStr(131), nullptr);  // the grammar was not opened
}

TEST_F(EntryPointsInitTest, WithoutTheGrammarInitFails) {
  Copy("Lang.dat");
  EXPECT_EQ(MDInit(Dir().c_str()), MD_NO_HANDLE);
  EXPECT_EQ(GetLangData()->GetLangCount(), kShippedLanguages);
  EXPECT_EQ(GetGramAttrNameStr(131), nullptr);
}

TEST_F(EntryPointsInitTest, LoadsTheLanguagesAndTheGrammar) {
  for (const char* name : {"Lang.dat", "GramId.dat", "GramVal.dat"}) Copy(name);
  // The directory as the dictionary system passes it, and without its
  // separator: both name the same files.
  std::string withoutSeparator = Dir();
  withoutSeparator.pop_back();
  EXPECT_EQ(MDInit(withoutSeparator.c_str()), MD_OK);
  EXPECT_EQ(MDInit(Dir().c_str()), MD_OK);
  EXPECT_EQ(GetLangData()->GetLangCount(), kShippedLanguages);
  EXPECT_STREQ(GetGramAttrNameStr(131), "sg");
}

TEST_F(EntryPointsInitTest, SupportLangListsTheLoadedLanguages) {
  for (const char* name : {"Lang.dat", "GramId.dat", "GramVal.dat"}) Copy(name);
  ASSERT_EQ(MDInit(Dir().c_str()), MD_OK);
  MD_HANDLE handle = MDCreate(dir_.Path("any.dic").c_str());
  ASSERT_NE(handle, nullptr);
  unsigned short ids[MD_MAX_SUPPORT_LANG + 2];
  std::fill(std::begin(ids), std::end(ids), 0xBEEF);
  EXPECT_EQ(MDGetSupportLang(handle, ids), MD_OK);
  EXPECT_EQ(ids[kShippedLanguages], 0);
  EXPECT_EQ(ids[kShippedLanguages + 1], 0xBEEF);
  EXPECT_NE(std::find(ids, ids + kShippedLanguages, 1049), ids + kShippedLanguages);
  EXPECT_NE(std::find(ids, ids + kShippedLanguages, 1033), ids + kShippedLanguages);
  EXPECT_EQ(MDClose(&handle), MD_OK);
}

}  // namespace
