// What the registration tests of every COM server read back from the
// registry that regsvr32 wrote: string values and the presence of keys,
// mostly under HKEY_CLASSES_ROOT, and GUIDs in the form key names take.
// A missing value reads as "<none>", so that an expectation shows it.
//
// Used by the registration tests of the framework's test server, PrefStore,
// LocaleKit and the controls.
//
//   const std::wstring key = L"CLSID\\" + GuidText(CLSID_Thing);
//   EXPECT_EQ(ReadClassesValue(key + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
//   EXPECT_TRUE(ClassesKeyExists(key + L"\\Programmable"));
#pragma once

#include <windows.h>

#include <string>

namespace morvex::com::testing {

// The string value `name` (the default value when null) of key `path`
// under `root`; "<none>" when the key or the value is missing.
std::wstring ReadRegistryString(HKEY root, const std::wstring& path, const wchar_t* name = nullptr);
bool RegistryKeyExists(HKEY root, const std::wstring& path);

// The same under HKEY_CLASSES_ROOT, where servers register.
std::wstring ReadClassesValue(const std::wstring& path, const wchar_t* name = nullptr);
bool ClassesKeyExists(const std::wstring& path);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", as CLSID and TypeLib keys name it.
std::wstring GuidText(REFGUID guid);

}  // namespace morvex::com::testing
