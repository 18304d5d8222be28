// Registration of the test server as regsvr32 left it (the keys a client
// needs, the type library's LIBID), unregistration that takes back what
// registration wrote, per-user type-library registration, and a server
// with a malformed script that registers nothing.
#include "com/Registration.h"

#include <olectl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "com/Automation.h"
#include "com/testing/RegistryRead.h"
#include "com/testing/TypeLibCheck.h"
#include "test_support.h"

namespace com = morvex::com;

namespace {

const wchar_t kThingClsid[] = L"{0029FDBA-ADD4-40AC-9F37-A13B4AB31032}";
const wchar_t kLibid[] = L"{430705B8-CE9B-4545-A34A-CE53901A877F}";

// Every key and value under `key`, one a line, in enumeration order.
void Dump(HKEY key, const std::wstring& path, std::wstring* out) {
  wchar_t name[512];
  BYTE data[2048];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 512, dataSize = sizeof data, type = 0;
    LONG result = RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &dataSize);
    if (result == ERROR_NO_MORE_ITEMS) break;
    *out += path + L" [" + std::wstring(name, nameLength) + L"] " + std::to_wstring(type) + L" ";
    if (type == REG_SZ && result == ERROR_SUCCESS)
      out->append(reinterpret_cast<const wchar_t*>(data), dataSize / sizeof(wchar_t));
    *out += L"\n";
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 512;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    std::wstring subpath = path + L"\\" + std::wstring(name, nameLength);
    *out += subpath + L"\n";
    HKEY subkey = nullptr;
    if (RegOpenKeyExW(key, name, 0, KEY_READ, &subkey) == ERROR_SUCCESS) {
      Dump(subkey, subpath, out);
      RegCloseKey(subkey);
    }
  }
}

void DumpIfPresent(const std::wstring& path, std::wstring* out) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  *out += L"HKCR\\" + path + L"\n";
  Dump(key, L"HKCR\\" + path, out);
  RegCloseKey(key);
}

// Everything in the classes root that carries a name of the test servers:
// the ProgIDs at the top (they start with "MorvexComTest."), and the
// classes, interfaces and type library named by `guids` below CLSID,
// Interface and TypeLib. Empty when nothing of them is registered. Other
// programs' keys are not looked at, so tests registering other servers at
// the same time do not disturb it.
std::wstring Footprint(const std::vector<std::wstring>& guids) {
  std::wstring out;
  wchar_t name[512];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 512;
    if (RegEnumKeyExW(HKEY_CLASSES_ROOT, i, name, &nameLength, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
    if (_wcsnicmp(name, L"MorvexComTest.", 14) == 0) DumpIfPresent(name, &out);
  }
  for (const wchar_t* parent : {L"CLSID\\", L"Interface\\", L"TypeLib\\"})
    for (const std::wstring& guid : guids) DumpIfPresent(parent + guid, &out);
  return out;
}

const std::vector<std::wstring> kTestServerGuids = {kThingClsid,
                                                    L"{68DCFD09-71DC-40C8-87AC-F309B8991653}",
                                                    L"{31A29101-542B-4F36-BCDF-EC5D69C35734}",
                                                    kLibid,
                                                    L"{7CFB7B1A-EDD9-4A2A-A77A-8C597AC30C7B}",
                                                    L"{570133D0-2638-4A8E-A84D-BCBA5FAB9685}",
                                                    L"{EF766CC7-E75F-4C12-896F-994E227B7A48}",
                                                    L"{24D85BA7-5F31-4034-9B0E-CD5AE7A7BDA4}"};
const std::vector<std::wstring> kBrokenServerGuids = {L"{C99E59C7-4CE4-4A99-AA98-30AF1CCF48B7}"};

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring ModuleFileName(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  return path;
}

// The test server loaded into this process, for calling its exports.
class LoadedServer {
 public:
  explicit LoadedServer(const wchar_t* name) : module_(LoadLibraryW(name)) {}
  LoadedServer(const LoadedServer&) = delete;
  LoadedServer& operator=(const LoadedServer&) = delete;
  ~LoadedServer() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE Get() const { return module_; }
  HRESULT Call(const char* entry) const {
    ServerEntry function = ServerEntryOf(module_, entry);
    return function ? function() : E_NOTIMPL;
  }

 private:
  HMODULE module_;
};

using RegistrationTest = ServerTest;

TEST_F(RegistrationTest, RegistryHoldsTheKeysAClientNeeds) {
  LoadedServer server(kTestServerDll);
  ASSERT_NE(server.Get(), nullptr);
  const std::wstring clsid = std::wstring(L"CLSID\\") + kThingClsid;

  EXPECT_EQ(ReadClassesValue(L"MorvexComTest.TestThing.1\\CLSID"), kThingClsid);
  EXPECT_EQ(ReadClassesValue(L"MorvexComTest.TestThing\\CLSID"), kThingClsid);
  EXPECT_EQ(ReadClassesValue(L"MorvexComTest.TestThing\\CurVer"), L"MorvexComTest.TestThing.1");
  EXPECT_EQ(ReadClassesValue(clsid), L"TestThing Class");
  EXPECT_EQ(ReadClassesValue(clsid + L"\\ProgID"), L"MorvexComTest.TestThing.1");
  EXPECT_EQ(ReadClassesValue(clsid + L"\\VersionIndependentProgID"), L"MorvexComTest.TestThing");
  EXPECT_EQ(ReadClassesValue(clsid + L"\\InprocServer32"), ModuleFileName(server.Get()));
  EXPECT_EQ(ReadClassesValue(clsid + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_TRUE(ClassesKeyExists(clsid + L"\\Programmable"));
  EXPECT_EQ(ReadClassesValue(clsid + L"\\TypeLib"), kLibid);
  // The second script registered the other two classes.
  EXPECT_EQ(ReadClassesValue(L"MorvexComTest.TestItems\\CurVer"), L"MorvexComTest.TestItems.1");

  LPOLESTR progId = nullptr;
  ASSERT_EQ(Hr{ProgIDFromCLSID(CLSID_TestThing, &progId)}, Hr{S_OK});
  EXPECT_STREQ(progId, L"MorvexComTest.TestThing.1");
  CoTaskMemFree(progId);
}

TEST_F(RegistrationTest, TypeLibraryCarriesTheHeadersLibid) {
  LoadedServer server(kTestServerDll);
  ASSERT_NE(server.Get(), nullptr);
  EXPECT_TRUE(
      com::testing::EmbeddedLibidIs(ModuleFileName(server.Get()).c_str(), LIBID_MorvexComTestLib));
  EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_MorvexComTestLib, 1, 0));
  // The dual interface is registered for marshalling through the type library.
  EXPECT_EQ(ReadClassesValue(L"Interface\\" + GuidText(IID_ITestThing) + L"\\TypeLib"), kLibid);
}

TEST_F(RegistrationTest, UnregistrationTakesBackWhatRegistrationWrote) {
  LoadedServer server(kTestServerDll);
  ASSERT_NE(server.Get(), nullptr);
  const std::wstring registered = Footprint(kTestServerGuids);
  EXPECT_NE(registered.find(L"ThreadingModel"), std::wstring::npos) << "registered by regsvr32";

  ASSERT_EQ(Hr{server.Call("DllUnregisterServer")}, Hr{S_OK});
  EXPECT_EQ(Footprint(kTestServerGuids), L"");
  EXPECT_TRUE(ClassesKeyExists(L"CLSID"));  // NoRemove
  EXPECT_FALSE(com::testing::RegisteredLibidIs(LIBID_MorvexComTestLib, 1, 0));
  CLSID clsid;
  EXPECT_EQ(Hr{CLSIDFromProgID(L"MorvexComTest.TestThing", &clsid)}, Hr{CO_E_CLASSSTRING});
  // Unregistering again finds nothing and succeeds.
  EXPECT_EQ(Hr{server.Call("DllUnregisterServer")}, Hr{S_OK});

  // Registering again writes the same keys and values.
  ASSERT_EQ(Hr{server.Call("DllRegisterServer")}, Hr{S_OK});
  EXPECT_EQ(Footprint(kTestServerGuids), registered);
  EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_MorvexComTestLib, 1, 0));
}

TEST_F(RegistrationTest, TypeLibraryRegistersPerUser) {
  LoadedServer server(kTestServerDll);
  ASSERT_NE(server.Get(), nullptr);
  const std::wstring path = ModuleFileName(server.Get());
  const std::wstring userKey = std::wstring(L"Software\\Classes\\TypeLib\\") + kLibid;
  ASSERT_EQ(Hr{server.Call("DllUnregisterServer")}, Hr{S_OK});

  ASSERT_EQ(Hr{com::RegisterTypeLibrary(path.c_str(), com::TypeLibScope::kPerUser)}, Hr{S_OK});
  EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_MorvexComTestLib, 1, 0));
  // Wine's oleaut32 registers a per-user library for the whole machine.
  if (!RunningUnderWine()) {
    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, userKey));
  }
  ASSERT_EQ(Hr{com::UnregisterTypeLibrary(path.c_str(), com::TypeLibScope::kPerUser)}, Hr{S_OK});
  EXPECT_FALSE(com::testing::RegisteredLibidIs(LIBID_MorvexComTestLib, 1, 0));
  EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, userKey));

  ASSERT_EQ(Hr{server.Call("DllRegisterServer")}, Hr{S_OK});
}

TEST_F(RegistrationTest, MalformedScriptFailsAtOnceAndWritesNothing) {
  LoadedServer broken(L"MorvexComBrokenServer.dll");
  ASSERT_NE(broken.Get(), nullptr);
  const std::wstring before = Footprint(kBrokenServerGuids);
  EXPECT_EQ(Hr{broken.Call("DllRegisterServer")}, Hr{SELFREG_E_CLASS});
  // Not even the first, well-formed script was applied.
  EXPECT_FALSE(ClassesKeyExists(L"MorvexComTest.BrokenFirst"));
  EXPECT_EQ(Footprint(kBrokenServerGuids), before);
  EXPECT_EQ(Hr{broken.Call("DllUnregisterServer")}, Hr{SELFREG_E_CLASS});
}

}  // namespace
