// What registration writes for every ActiveX control of the project, and
// what a container relies on finding there, checked the same way for all:
// both ProgIDs lead to the class; its keys say an apartment-model control,
// insertable and programmable, with the module's toolbox bitmap 101, misc
// status 131473 and version 1.0 of its type library, whose LIBID is the
// header's, embedded and registered.
//
//   ExpectRegisteredAsControl({L"QuickHint.dll", L"QuickHint.QuickHintCtrl",
//                              L"QuickHintCtrl Class", CLSID_QuickHintCtrl,
//                              LIBID_QUICKHINTLib});
#pragma once

#include <gtest/gtest.h>
#include <oaidl.h>
#include <windows.h>

#include <initializer_list>
#include <utility>

namespace morvex::com::testing {

struct RegisteredControl {
  const wchar_t* module;     // the DLL's file name, as the test loads it
  const wchar_t* progId;     // version-independent; the versioned one adds ".1"
  const wchar_t* className;  // the class key's default value
  CLSID clsid;
  GUID libid;
};

void ExpectRegisteredAsControl(const RegisteredControl& control);

// Each event name of the dispinterface `events` has the DISPID beside it.
::testing::AssertionResult EventIdsAre(
    ITypeInfo* events, std::initializer_list<std::pair<const wchar_t*, MEMBERID>> expected);

}  // namespace morvex::com::testing
