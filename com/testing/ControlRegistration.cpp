#include "com/testing/ControlRegistration.h"

#include <string>

#include "com/WideText.h"
#include "com/testing/RegistryRead.h"
#include "com/testing/TypeLibCheck.h"

namespace morvex::com::testing {

namespace {

std::wstring ModulePath(const wchar_t* module) {
  wchar_t path[MAX_PATH] = {};
  HMODULE loaded = LoadLibraryW(module);
  GetModuleFileNameW(loaded, path, MAX_PATH);
  if (loaded) FreeLibrary(loaded);
  return path;
}

}  // namespace

void ExpectRegisteredAsControl(const RegisteredControl& control) {
  const std::wstring progId = control.progId;
  const std::wstring versioned = progId + L".1";
  for (const std::wstring& name : {progId, versioned}) {
    CLSID clsid = {};
    EXPECT_EQ(CLSIDFromProgID(name.c_str(), &clsid), S_OK) << Utf8FromWide(name);
    EXPECT_TRUE(IsEqualCLSID(clsid, control.clsid)) << Utf8FromWide(name);
  }
  const std::wstring key = L"CLSID\\" + GuidText(control.clsid);
  struct Value {
    std::wstring path;
    const wchar_t* name;
    std::wstring expected;
  };
  const Value values[] = {
      {key, nullptr, control.className},
      {key + L"\\ProgID", nullptr, versioned},
      {key + L"\\VersionIndependentProgID", nullptr, progId},
      {key + L"\\InprocServer32", nullptr, ModulePath(control.module)},
      {key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {key + L"\\ToolboxBitmap32", nullptr, ModulePath(control.module) + L", 101"},
      {key + L"\\MiscStatus", nullptr, L"0"},
      {key + L"\\MiscStatus\\1", nullptr, L"131473"},
      {key + L"\\TypeLib", nullptr, GuidText(control.libid)},
      {key + L"\\Version", nullptr, L"1.0"},
      {progId, nullptr, control.className},
      {progId + L"\\CurVer", nullptr, versioned},
  };
  for (const Value& value : values)
    EXPECT_EQ(ReadClassesValue(value.path, value.name), value.expected)
        << Utf8FromWide(value.path) << " " << (value.name ? Utf8FromWide(value.name) : "");
  for (const wchar_t* flag : {L"\\Control", L"\\Insertable", L"\\Programmable"})
    EXPECT_TRUE(ClassesKeyExists(key + flag)) << Utf8FromWide(flag);
  EXPECT_TRUE(ClassesKeyExists(versioned + L"\\Insertable"));
  EXPECT_TRUE(EmbeddedLibidIs(ModulePath(control.module).c_str(), control.libid));
  EXPECT_TRUE(RegisteredLibidIs(control.libid, 1, 0));
}

::testing::AssertionResult EventIdsAre(
    ITypeInfo* events, std::initializer_list<std::pair<const wchar_t*, MEMBERID>> expected) {
  if (!events) return ::testing::AssertionFailure() << "no event interface";
  for (const auto& [name, expectedId] : expected) {
    MEMBERID id = 0;
    LPOLESTR text = const_cast<LPOLESTR>(name);
    if (FAILED(events->GetIDsOfNames(&text, 1, &id)))
      return ::testing::AssertionFailure() << "no event " << Utf8FromWide(name);
    if (id != expectedId)
      return ::testing::AssertionFailure()
             << "event " << Utf8FromWide(name) << " has DISPID " << id << ", not " << expectedId;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace morvex::com::testing
