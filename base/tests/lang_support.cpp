#include "base/tests/lang_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::string ShippedLangTxtPath() { return MORVEX_SOURCE_DATA_DIR "/Lang.txt"; }

std::string BuiltDataDir() { return MORVEX_BUILT_DATA_DIR; }

std::string TestDataPath(const std::string& name) { return MORVEX_TEST_DATA_DIR "/" + name; }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

int LoadShippedText(CLangData& data, const ScratchDir& dir) {
  dir.Write("Lang.txt", ReadBytes(ShippedLangTxtPath()));
  return data.Load(dir.DirWithSeparator().c_str(), "Lang.dat");
}

void ExpectSameLanguages(const CLangData& expected, const CLangData& actual) {
  ASSERT_EQ(expected.GetLangCount(), actual.GetLangCount());
  for (unsigned id = 1; id <= 0xFFFF; ++id) {
    const CLang* want = expected.GetLang(static_cast<unsigned short>(id));
    if (!want) continue;
    const CLang* got = actual.GetLang(static_cast<unsigned short>(id));
    ASSERT_NE(got, nullptr) << std::hex << id;
    EXPECT_STREQ(got->GetLanguageString(nullptr), want->GetLanguageString(nullptr));
    EXPECT_STREQ(got->GetLangStr(nullptr), want->GetLangStr(nullptr));
    ASSERT_EQ(got->GetLetterCount(), want->GetLetterCount()) << std::hex << id;
    for (int i = 0; i < want->GetLetterCount(); ++i) {
      const CLangLetter a = want->GetLetter(i);
      const CLangLetter b = got->GetLetter(i);
      EXPECT_TRUE(a.lower == b.lower && a.upper == b.upper && a.baseLower == b.baseLower &&
                  a.baseUpper == b.baseUpper && a.oemLower == b.oemLower &&
                  a.oemUpper == b.oemUpper && a.letterClass == b.letterClass &&
                  std::memcmp(a.transliteration, b.transliteration, sizeof a.transliteration) == 0)
          << std::hex << id << " row " << std::dec << i;
    }
  }
}
