// The shared helpers of the dictionary system server's client tests.
#include "hub_test_support.h"

#include <iomanip>

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

void PrintTo(const Hr& hr, std::ostream* out) {
  *out << "0x" << std::hex << std::setw(8) << std::setfill('0')
       << static_cast<unsigned long>(hr.value);
}

ErrorRecord TakeErrorInfo() {
  ErrorRecord record;
  com::Ptr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Put()) != S_OK || !info) return record;
  record.present = true;
  com::Bstr description, source;
  info->GetDescription(description.Put());
  info->GetSource(source.Put());
  info->GetGUID(&record.iid);
  record.description = description.Text();
  record.source = source.Text();
  return record;
}

DISPID LateCall::Id(const wchar_t* name) const {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

HRESULT LateCall::Invoke(const wchar_t* name, WORD flags, std::vector<com::Variant> arguments,
                         VARIANT* result, EXCEPINFO* exception) const {
  std::vector<VARIANT> reversed;
  for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) reversed.push_back(it->Get());
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  UINT argumentError = 0;
  return object->Invoke(Id(name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception,
                        &argumentError);
}

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
  if (HMODULE server = GetModuleHandleW(L"LexiconHub.dll")) {
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    auto canUnload = reinterpret_cast<CanUnload>(
        reinterpret_cast<void (*)()>(GetProcAddress(server, "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(Hr{canUnload()}, Hr{S_OK}) << "an object of the server is still alive";
  }
  CoUninitialize();
}
