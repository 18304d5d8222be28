// What the client tests of the test server share: a fixture that opens an
// apartment, makes the server's objects by ProgID and, after each test,
// checks that they are all gone (DllCanUnloadNow); and the framework's
// client-side helpers.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "TestServer.h"
#include "com/ComPtr.h"
#include "com/testing/ServerClient.h"

// The framework's client-side helpers, used throughout these tests.
using namespace morvex::com::testing;

inline constexpr wchar_t kTestServerDll[] = L"MorvexComTestServer.dll";

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new TestThing, made as a client makes one: ProgID to CLSID, CoCreateInstance.
  morvex::com::Ptr<ITestThing> MakeThing();
  morvex::com::Ptr<ITestItems> MakeItems();
  morvex::com::Ptr<ITestItem> MakeItem(long value);
};
