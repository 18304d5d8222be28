// Names of languages and pairs as the dictionary system and the program ask
// for them: by full language id, in any interface language, through the
// vtable and late-bound; unknown ids count as English.
#include <windows.h>

#include <string>

#include "com/Automation.h"
#include "localekit_test_support.h"

namespace com = morvex::com;

namespace {

// Every language id of the map, in index order (English ... Italian).
const long kMappedLangIds[] = {1033, 1049, 1031, 1036, 1034, 1046, 1043, 1040};

using NamesTest = LocaleKitTest;

TEST_F(NamesTest, CodePageIsTheOneTheRussianListIsReadIn) { ASSERT_EQ(GetACP(), 1251u); }

struct NameCase {
  long uiLangId;
  long langId;
  const wchar_t* name;
};

TEST_F(NamesTest, NamesALanguageInTheInterfaceLanguage) {
  const NameCase cases[] = {
      {1033, 1033, L"English"},     {1033, 1049, L"Russian"},     {1049, 1031, L"Немецкий"},
      {1049, 1049, L"Русский"},     {1049, 1040, L"Итальянский"},  // the last field of a list
      {1031, 1036, L"Franzosisch"}, {1040, 1031, L"Tedesco"},     {1043, 1034, L"Spanje"},
      {0x400, 1046, L"Portuguese"},  // the neutral id is English
      {2052, 1049, L"Russian"},      // an interface language outside the map
      {1033, 1026, L"English"},      // a language outside the map
      {1049, 0, L"Английский"},
  };
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  for (const NameCase& c : cases) {
    com::Bstr name;
    ASSERT_EQ(Hr{manager->GetLangName(c.uiLangId, c.langId, name.Put())}, Hr{S_OK});
    EXPECT_STREQ(name.Text(), c.name) << c.uiLangId << " " << c.langId;
  }
}

struct PairCase {
  long uiLangId;
  long inLangId;
  long outLangId;
  const wchar_t* name;
};

TEST_F(NamesTest, NamesAPairByCombiningFormAndFullName) {
  const PairCase cases[] = {
      {1033, 1033, 1049, L"English-Russian"},     {1049, 1033, 1049, L"Англо-Русский"},
      {1049, 1049, 1033, L"Русско-Английский"},   {1031, 1031, 1033, L"Deutsch-Englisch"},
      {1036, 1040, 1043, L"Italien-Neerlandais"}, {0x405, 0x405, 1049, L"English-Russian"},
  };
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  for (const PairCase& c : cases) {
    com::Bstr name;
    ASSERT_EQ(Hr{manager->GetLangPairName(c.uiLangId, c.inLangId, c.outLangId, name.Put())},
              Hr{S_OK});
    EXPECT_STREQ(name.Text(), c.name) << c.uiLangId << " " << c.inLangId << " " << c.outLangId;
  }
}

// Over every list, the pair's second half is the language's full name and
// every field is there: a list with a star too few or too many shows here.
TEST_F(NamesTest, EveryListNamesEveryLanguage) {
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  for (long ui : kMappedLangIds) {
    for (long lang : kMappedLangIds) {
      com::Bstr full, pair;
      manager->GetLangName(ui, lang, full.Put());
      manager->GetLangPairName(ui, lang, lang, pair.Put());
      std::wstring pairText = pair.Text();
      EXPECT_GT(full.Length(), 2u) << ui << " " << lang;
      EXPECT_EQ(pairText.find(L'*'), std::wstring::npos) << ui << " " << lang;
      ASSERT_GT(pairText.size(), full.Length());
      EXPECT_EQ(pairText.substr(pairText.size() - full.Length() - 1),
                L"-" + std::wstring(full.Text()))
          << ui << " " << lang;
    }
  }
}

TEST_F(NamesTest, LateBoundCallsReachTheSameNames) {
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  com::Ptr<IDispatch> dispatch;
  ASSERT_EQ(Hr{manager.As(&dispatch)}, Hr{S_OK});
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"GetLangPairName")};
  ASSERT_EQ(Hr{dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)}, Hr{S_OK});
  EXPECT_EQ(id, 4);
  // Arguments in reverse order.
  com::Variant arguments[] = {com::Variant(1049L), com::Variant(1033L), com::Variant(1049L)};
  VARIANT raw[] = {arguments[0].Get(), arguments[1].Get(), arguments[2].Get()};
  DISPPARAMS params = {raw, nullptr, 3, 0};
  com::Variant result;
  ASSERT_EQ(Hr{dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                result.Put(), nullptr, nullptr)},
            Hr{S_OK});
  ASSERT_EQ(result.Type(), VT_BSTR);
  EXPECT_STREQ(result.Get().bstrVal, L"Англо-Русский");
}

TEST_F(NamesTest, RegistryKeyIsNullUntilPutAndKeepsACopy) {
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  com::Bstr key(L"left over");
  ASSERT_EQ(Hr{manager->get_RegistryKey(key.Put())}, Hr{S_OK});
  EXPECT_TRUE(key.IsNull());
  {
    com::Bstr put(L"Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\");
    ASSERT_EQ(Hr{manager->put_RegistryKey(put.Get())}, Hr{S_OK});
  }
  ASSERT_EQ(Hr{manager->get_RegistryKey(key.Put())}, Hr{S_OK});
  EXPECT_STREQ(key.Text(), L"Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\");
  ASSERT_EQ(Hr{manager->put_RegistryKey(nullptr)}, Hr{S_OK});
  ASSERT_EQ(Hr{manager->get_RegistryKey(key.Put())}, Hr{S_OK});
  EXPECT_TRUE(key.IsNull());
}

TEST_F(NamesTest, NullOutPointersAreRefused) {
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  long value = 0;
  EXPECT_EQ(Hr{manager->GetLangDirectionBmp(0x409, 0x419, nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{manager->GetLangIcon(0x409, 1, nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{manager->GetLangName(1033, 1033, nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{manager->GetLangPairName(1033, 1033, 1049, nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{manager->get_RegistryKey(nullptr)}, Hr{E_POINTER});
  long* ids = nullptr;
  EXPECT_EQ(Hr{manager->GetLangIDArray(nullptr, &ids)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{manager->GetLangIDArray(&value, nullptr)}, Hr{E_POINTER});
}

}  // namespace
