// The installed interface languages as the program lists them: the
// subkeys of RegistryKey under HKEY_CURRENT_USER read as hexadecimal ids,
// in the key's enumeration order; outputs left alone when there is nothing
// to read; an array the manager owns and renews at the next call.
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "com/Automation.h"
#include "localekit_test_support.h"

namespace com = morvex::com;

namespace {

const wchar_t kTestRoot[] = L"Software\\MorvexTest\\LocaleKit";
const wchar_t kLanguagesKey[] = L"Software\\MorvexTest\\LocaleKit\\Languages\\";

class LangIdsTest : public LocaleKitTest {
 protected:
  void SetUp() override {
    LocaleKitTest::SetUp();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
    LocaleKitTest::TearDown();
  }

  static void AddSubkeys(const wchar_t* parent, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) {
      HKEY key = nullptr;
      std::wstring path = std::wstring(parent) + name;
      ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                &key, nullptr),
                ERROR_SUCCESS);
      RegCloseKey(key);
    }
  }

  // The subkey names of HKCU\`path` in the registry's own enumeration order.
  static std::vector<std::wstring> EnumerationOrder(const wchar_t* path) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
      DWORD length = 256;
      if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
  }

  com::Ptr<ILocaleKitMngr> ManagerFor(const wchar_t* key) {
    com::Ptr<ILocaleKitMngr> manager = MakeManager();
    if (manager && key) manager->put_RegistryKey(com::Bstr(key).Get());
    return manager;
  }
};

struct SubkeyCase {
  const wchar_t* name;
  long id;
};

TEST_F(LangIdsTest, ReadsEverySubkeyAsAHexadecimalIdInEnumerationOrder) {
  const SubkeyCase cases[] = {
      {L"409", 1033},       {L"419", 1049},     {L"40C", 1036}, {L"0x407", 1031},
      {L"413 Dutch", 1043}, {L"Deutsch", 0xDE}, {L"none", 0},   {L"-10", -16},
  };
  for (const SubkeyCase& c : cases) AddSubkeys(kLanguagesKey, {c.name});
  com::Ptr<ILocaleKitMngr> manager = ManagerFor(kLanguagesKey);
  ASSERT_TRUE(manager);
  long count = -1;
  long* ids = nullptr;
  ASSERT_EQ(Hr{manager->GetLangIDArray(&count, &ids)}, Hr{S_OK});
  std::vector<std::wstring> order = EnumerationOrder(kLanguagesKey);
  ASSERT_EQ(order.size(), std::size(cases));
  ASSERT_EQ(count, static_cast<long>(std::size(cases)));
  ASSERT_NE(ids, nullptr);
  for (size_t i = 0; i < order.size(); ++i) {
    for (const SubkeyCase& c : cases) {
      if (order[i] == c.name) {
        EXPECT_EQ(ids[i], c.id) << "subkey " << i;
      }
    }
  }
}

TEST_F(LangIdsTest, TheProgramsTwoLanguagesGiveTheirIds) {
  AddSubkeys(kLanguagesKey, {L"409", L"419"});
  com::Ptr<ILocaleKitMngr> manager = ManagerFor(kLanguagesKey);
  ASSERT_TRUE(manager);
  long count = 0;
  long* ids = nullptr;
  ASSERT_EQ(Hr{manager->GetLangIDArray(&count, &ids)}, Hr{S_OK});
  ASSERT_EQ(count, 2);
  std::vector<std::wstring> order = EnumerationOrder(kLanguagesKey);
  ASSERT_EQ(order.size(), 2u);
  EXPECT_EQ(ids[0], order[0] == L"409" ? 1033 : 1049);
  EXPECT_EQ(ids[1], order[1] == L"409" ? 1033 : 1049);
}

TEST_F(LangIdsTest, NothingToReadLeavesTheCallersValues) {
  AddSubkeys(kTestRoot, {L"\\Empty"});
  long preset = 12345;
  const wchar_t* keys[] = {L"Software\\MorvexTest\\LocaleKit\\Missing\\",
                           L"Software\\MorvexTest\\LocaleKit\\Empty"};
  for (const wchar_t* key : keys) {
    com::Ptr<ILocaleKitMngr> manager = ManagerFor(key);
    ASSERT_TRUE(manager);
    long count = 7;
    long* ids = &preset;
    ASSERT_EQ(Hr{manager->GetLangIDArray(&count, &ids)}, Hr{S_OK}) << key;
    EXPECT_EQ(count, 7) << key;
    EXPECT_EQ(ids, &preset) << key;
  }
}

TEST_F(LangIdsTest, WithNoKeySetTheCurrentUsersOwnSubkeysAreRead) {
  com::Ptr<ILocaleKitMngr> manager = ManagerFor(nullptr);
  ASSERT_TRUE(manager);
  long count = 0;
  long* ids = nullptr;
  ASSERT_EQ(Hr{manager->GetLangIDArray(&count, &ids)}, Hr{S_OK});
  std::vector<std::wstring> order = EnumerationOrder(L"");
  ASSERT_EQ(count, static_cast<long>(order.size()));
  bool sawSoftware = false;
  for (size_t i = 0; i < order.size(); ++i) {
    if (order[i] == L"Software") {
      sawSoftware = true;
      EXPECT_EQ(ids[i], 0) << "a name that is not hexadecimal";
    }
  }
  EXPECT_TRUE(sawSoftware);
}

TEST_F(LangIdsTest, EachCallHandsOutAFreshArrayOfWhatIsInstalledNow) {
  AddSubkeys(kLanguagesKey, {L"409"});
  com::Ptr<ILocaleKitMngr> manager = ManagerFor(kLanguagesKey);
  ASSERT_TRUE(manager);
  long count = 0;
  long* ids = nullptr;
  ASSERT_EQ(Hr{manager->GetLangIDArray(&count, &ids)}, Hr{S_OK});
  ASSERT_EQ(count, 1);
  EXPECT_EQ(ids[0], 1033);

  AddSubkeys(kLanguagesKey, {L"419", L"407"});
  ASSERT_EQ(Hr{manager->GetLangIDArray(&count, &ids)}, Hr{S_OK});
  ASSERT_EQ(count, 3);
  std::vector<long> got(ids, ids + count);
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, (std::vector<long>{1031, 1033, 1049}));

  // A call that finds nothing keeps the array last handed out readable.
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
  long* before = ids;
  ASSERT_EQ(Hr{manager->GetLangIDArray(&count, &ids)}, Hr{S_OK});
  EXPECT_EQ(ids, before);
  EXPECT_EQ(count, 3);
  std::vector<long> still(ids, ids + count);
  std::sort(still.begin(), still.end());
  EXPECT_EQ(still, got);
}

}  // namespace
