// The installed system as a program of the user's sees it: the dictionary
// system, created by ProgID from the registrations install.cmd made, lists
// the shipped English-Russian dictionary, which opens and translates.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "LexiconHub.h"
#include "com/Automation.h"
#include "com/ComPtr.h"

namespace {

using morvex::com::Bstr;
using morvex::com::Ptr;

class InstalledSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(L"Morvex.LexiconHub", &clsid), S_OK) << "is Morvex installed?";
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(ILexiconHub),
                               hub_.PutVoid()),
              S_OK);
    ASSERT_EQ(hub_->Init(), S_OK);
  }
  void TearDown() override {
    hub_ = nullptr;
    CoUninitialize();
  }

  // The first listed dictionary from langIn to langOut.
  Ptr<IVelDictionary> FindDictionary(long langIn, long langOut) {
    Ptr<IVelDictCollection> dictionaries;
    EXPECT_EQ(hub_->get_MorDictColl(dictionaries.Put()), S_OK);
    long count = 0;
    if (!dictionaries || dictionaries->get_Count(&count) != S_OK) return nullptr;
    for (long i = 1; i <= count; ++i) {
      Ptr<IVelDictionary> dictionary;
      long in = 0, out = 0;
      if (dictionaries->get_Item(i, dictionary.Put()) == S_OK &&
          dictionary->get_LangIn(&in) == S_OK && dictionary->get_LangOut(&out) == S_OK &&
          in == langIn && out == langOut) {
        return dictionary;
      }
    }
    return nullptr;
  }

  Ptr<ILexiconHub> hub_;
};

TEST_F(InstalledSystem, TheEnglishRussianDictionaryIsListedAndTranslates) {
  Ptr<IVelDictionary> dictionary = FindDictionary(1033, 1049);
  ASSERT_TRUE(dictionary) << "no English-Russian dictionary is installed";
  long articles = 0;
  ASSERT_EQ(dictionary->get_NumOfArticles(&articles), S_OK);
  EXPECT_GT(articles, 40000);

  ASSERT_EQ(dictionary->Open(vdsOpenRead), S_OK);
  struct Case {
    const wchar_t* word;
    const wchar_t* translation;  // somewhere in the article
  };
  const Case cases[] = {
      {L"dictionary", L"словарь"},
      {L"water", L"вода"},
      {L"house", L"дом"},
  };
  for (const Case& c : cases) {
    Bstr word;
    Bstr article;
    ASSERT_EQ(dictionary->Find(vdfFindDictExact, Bstr(c.word).Get(), word.Put(), article.Put()),
              S_OK);
    ASSERT_FALSE(article.IsNull()) << "no article for " << c.word;
    const std::wstring text(article.Text());
    EXPECT_NE(text.find(c.word), std::wstring::npos) << "the dictionary form names its head word";
    EXPECT_NE(text.find(c.translation), std::wstring::npos);
  }
  EXPECT_EQ(dictionary->Close(), S_OK);
}

// The second shipped dictionary, listed after the first, so the program's
// menus and shelf offer a choice.
TEST_F(InstalledSystem, TheEnglishFrenchDictionaryFollowsAndTranslates) {
  Ptr<IVelDictCollection> dictionaries;
  ASSERT_EQ(hub_->get_MorDictColl(dictionaries.Put()), S_OK);
  long count = 0;
  ASSERT_EQ(dictionaries->get_Count(&count), S_OK);
  ASSERT_EQ(count, 2);
  Ptr<IVelDictionary> second;
  long in = 0, out = 0;
  ASSERT_EQ(dictionaries->get_Item(2, second.Put()), S_OK);
  ASSERT_EQ(second->get_LangIn(&in), S_OK);
  ASSERT_EQ(second->get_LangOut(&out), S_OK);
  EXPECT_EQ(in, 1033);
  EXPECT_EQ(out, 1036);

  ASSERT_EQ(second->Open(vdsOpenRead), S_OK);
  Bstr word;
  Bstr article;
  ASSERT_EQ(second->Find(vdfFindDictExact, Bstr(L"house").Get(), word.Put(), article.Put()), S_OK);
  ASSERT_FALSE(article.IsNull());
  EXPECT_NE(std::wstring(article.Text()).find(L"maison"), std::wstring::npos);
  EXPECT_EQ(second->Close(), S_OK);
}

}  // namespace
