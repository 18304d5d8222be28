// The shared helpers of the dictionary system server's client tests.
#include "hub_test_support.h"

namespace com = morvex::com;

namespace {

constexpr char kSetAsideKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Dictionary.set-aside-by-tests";

bool KeyExists(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Copies the tree at `from` to `to` (both under the current user).
void CopyTree(const char* from, const char* to) {
  HKEY source = nullptr, target = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, from, 0, KEY_READ, &source), ERROR_SUCCESS);
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                            nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegCopyTreeA(source, nullptr, target), ERROR_SUCCESS);
  RegCloseKey(source);
  RegCloseKey(target);
}

}  // namespace

std::wstring ProgramDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring text = path;
  return text.substr(0, text.find_last_of(L'\\') + 1);
}

std::string ProgramDirectoryAnsi() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text = path;
  return text.substr(0, text.find_last_of('\\') + 1);
}

void ClearDictionaryLists() { RegDeleteTreeA(HKEY_CURRENT_USER, kDictionaryKey); }

void MakeListKey(const std::string& subkey) {
  HKEY key = nullptr;
  std::string path = std::string(kDictionaryKey) + (subkey.empty() ? "" : "\\" + subkey);
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void SetListValue(const std::string& subkey, const std::string& name, DWORD type, const void* data,
                  DWORD size) {
  HKEY key = nullptr;
  std::string path = std::string(kDictionaryKey) + "\\" + subkey;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void SetListString(const std::string& subkey, const std::string& name, const std::string& text) {
  SetListValue(subkey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// Every test program of the server sets the user's lists aside.
[[maybe_unused]] ::testing::Environment* const kListsEnvironment =
    ::testing::AddGlobalTestEnvironment(new DictionaryListsEnvironment);

void DictionaryListsEnvironment::SetUp() {
  RegDeleteTreeA(HKEY_CURRENT_USER, kSetAsideKey);
  if (KeyExists(kDictionaryKey)) CopyTree(kDictionaryKey, kSetAsideKey);
  ClearDictionaryLists();
}

void DictionaryListsEnvironment::TearDown() {
  ClearDictionaryLists();
  if (KeyExists(kSetAsideKey)) {
    CopyTree(kSetAsideKey, kDictionaryKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kSetAsideKey);
  }
}

void HubTest::SetUp() {
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  ClearDictionaryLists();
}

void HubTest::TearDown() {
  ExpectNoLiveObjects(L"LexiconHub.dll");
  CoUninitialize();
}
