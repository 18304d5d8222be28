// What the client tests of every COM server share: HRESULTs that print in
// hexadecimal, objects made as a client makes them (ProgID to CLSID, then
// CoCreateInstance), members called by name through IDispatch as a script
// calls them, the error a failed call left (error information or an
// exception), the argument-less exports of a server DLL, and the check that
// none of a server's objects outlives a test.
//
//   EXPECT_EQ(Hr{thing->Add(2, 3, &sum)}, Hr{S_OK});
//   Ptr<IThing> thing = CreateByProgId<IThing>(L"Server.Thing");
//   LateCall call{Ptr<IDispatch>(thing.Get())};
//   call.Invoke(call.Id(L"Name"), DISPATCH_PROPERTYGET, {}, name.Put());
//   ExpectNoLiveObjects(L"Server.dll");   // in the fixture's TearDown
#pragma once

#include <gtest/gtest.h>
#include <oaidl.h>
#include <windows.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "com/Automation.h"
#include "com/ComPtr.h"

namespace morvex::com::testing {

struct Hr {
  HRESULT value;
  bool operator==(const Hr& other) const { return value == other.value; }
};
void PrintTo(const Hr& hr, std::ostream* out);

// A new object of the class registered under `progId`, asked for Itf; null
// (and the test failed) when it cannot be made.
template <class Itf>
Ptr<Itf> CreateByProgId(const wchar_t* progId) {
  CLSID clsid;
  Ptr<Itf> object;
  EXPECT_EQ(Hr{CLSIDFromProgID(progId, &clsid)}, Hr{S_OK})
      << "is the server of " << progId << " registered?";
  EXPECT_EQ(
      Hr{CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Itf), object.PutVoid())},
      Hr{S_OK});
  return object;
}

// A member called by name, as a script calls it.
struct LateCall {
  Ptr<IDispatch> object;

  // The member's DISPID; DISPID_UNKNOWN when the object has no such name.
  DISPID Id(const wchar_t* name) const;
  // `arguments` in declared order (IDispatch takes them in reverse); a
  // property put passes its value as the named DISPID_PROPERTYPUT argument.
  HRESULT Invoke(DISPID id, WORD flags, std::vector<Variant> arguments, VARIANT* result,
                 EXCEPINFO* exception = nullptr) const;
};

// Each name has the DISPID beside it on the object of `call`.
::testing::AssertionResult HasDispIds(
    const LateCall& call, std::initializer_list<std::pair<const wchar_t*, DISPID>> expected);

// The exception a late-bound call filled in; its texts are freed when it goes.
struct ScopedExcepInfo : EXCEPINFO {
  ScopedExcepInfo() : EXCEPINFO{} {}
  ScopedExcepInfo(const ScopedExcepInfo&) = delete;
  ScopedExcepInfo& operator=(const ScopedExcepInfo&) = delete;
  ~ScopedExcepInfo();
};

// The thread's error information, taken (and so cleared) by GetErrorInfo.
struct ErrorRecord {
  bool present = false;
  std::wstring description;
  std::wstring source;
  GUID iid = GUID_NULL;
};
ErrorRecord TakeErrorInfo();

// DllCanUnloadNow, DllRegisterServer or DllUnregisterServer of a loaded
// server; null when the module has no such export.
using ServerEntry = HRESULT(STDAPICALLTYPE*)();
ServerEntry ServerEntryOf(HMODULE module, const char* name);

// When the DLL `dllName` is loaded, expects its DllCanUnloadNow to say that
// no object of it is alive.
void ExpectNoLiveObjects(const wchar_t* dllName);

}  // namespace morvex::com::testing
