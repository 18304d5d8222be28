// What the client tests of the test server share: a fixture that opens an
// apartment and, after each test, checks that the server's objects are all
// gone (DllCanUnloadNow), and access to the exports of a loaded DLL.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "TestServer.h"
#include "com/ComPtr.h"

inline constexpr wchar_t kTestServerDll[] = L"MorvexComTestServer.dll";

// An export of `module` as the function type F (null when missing).
template <class F>
F Export(HMODULE module, const char* name) {
  // Through void(*)(), the one function type every other converts from quietly.
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

using ServerEntry = HRESULT(STDAPICALLTYPE*)();

// HRESULTs print as hexadecimal in failure messages.
struct Hr {
  HRESULT value;
  bool operator==(const Hr& other) const { return value == other.value; }
};
void PrintTo(const Hr& hr, std::ostream* out);

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new TestThing, made as a client makes one: ProgID to CLSID, CoCreateInstance.
  morvex::com::Ptr<ITestThing> MakeThing();
  morvex::com::Ptr<ITestItems> MakeItems();
  morvex::com::Ptr<ITestItem> MakeItem(long value);
};
