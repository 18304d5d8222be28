// The shared fixture of the test server's client tests.
#include "test_support.h"

#include <iomanip>

namespace com = morvex::com;

void PrintTo(const Hr& hr, std::ostream* out) {
  *out << "0x" << std::hex << std::setw(8) << std::setfill('0')
       << static_cast<unsigned long>(hr.value);
}

void ServerTest::SetUp() { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }

void ServerTest::TearDown() {
  if (HMODULE server = GetModuleHandleW(kTestServerDll)) {
    ServerEntry canUnload = Export<ServerEntry>(server, "DllCanUnloadNow");
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(Hr{canUnload()}, Hr{S_OK}) << "an object of the server is still alive";
  }
  CoUninitialize();
}

namespace {

template <class Itf>
com::Ptr<Itf> Create(const wchar_t* progId) {
  CLSID clsid;
  com::Ptr<Itf> object;
  EXPECT_EQ(Hr{CLSIDFromProgID(progId, &clsid)}, Hr{S_OK}) << "is the server registered?";
  EXPECT_EQ(
      Hr{CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Itf), object.PutVoid())},
      Hr{S_OK});
  return object;
}

}  // namespace

com::Ptr<ITestThing> ServerTest::MakeThing() {
  return Create<ITestThing>(L"MorvexComTest.TestThing");
}

com::Ptr<ITestItems> ServerTest::MakeItems() {
  return Create<ITestItems>(L"MorvexComTest.TestItems");
}

com::Ptr<ITestItem> ServerTest::MakeItem(long value) {
  com::Ptr<ITestItem> item = Create<ITestItem>(L"MorvexComTest.TestItem");
  if (item) item->put_Value(value);
  return item;
}
