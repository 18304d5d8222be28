// LocaleKit as regsvr32 registered it: both ProgIDs lead to the class, the
// class names its versioned ProgID and the apartment model, and the type
// library registers and embeds the LIBID of the header.
#include <windows.h>

#include <string>

#include "com/testing/RegistryRead.h"
#include "com/testing/TypeLibCheck.h"
#include "localekit_test_support.h"

namespace com = morvex::com;

namespace {

using RegistrationTest = LocaleKitTest;

TEST_F(RegistrationTest, ProgIdsClassAndTypeLibraryAreRegistered) {
  for (const wchar_t* progId : {L"LocaleKit.LocaleKitMngr", L"LocaleKit.LocaleKitMngr.1"}) {
    CLSID clsid;
    ASSERT_EQ(Hr{CLSIDFromProgID(progId, &clsid)}, Hr{S_OK}) << progId;
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_LocaleKitMngr)) << progId;
  }
  const std::wstring clsidKey = L"CLSID\\{91D04A7D-BCE1-4389-8B3D-DB584D0FDFA9}";
  EXPECT_EQ(ReadClassesValue(clsidKey), L"LocaleKitMngr Class");
  EXPECT_EQ(ReadClassesValue(clsidKey + L"\\ProgID"), L"LocaleKit.LocaleKitMngr.1");
  EXPECT_EQ(ReadClassesValue(clsidKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(ReadClassesValue(L"LocaleKit.LocaleKitMngr\\CurVer"), L"LocaleKit.LocaleKitMngr.1");

  wchar_t path[MAX_PATH];
  HMODULE server = LoadLibraryW(kLocaleKitDll);
  ASSERT_NE(server, nullptr);
  GetModuleFileNameW(server, path, MAX_PATH);
  FreeLibrary(server);
  EXPECT_TRUE(com::testing::EmbeddedLibidIs(path, LIBID_LOCALEKITLib));
  EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_LOCALEKITLib, 1, 0));
}

}  // namespace
