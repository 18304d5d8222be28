// The shared fixture of the test server's client tests.
#include "test_support.h"

namespace com = morvex::com;

void ServerTest::SetUp() { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }

void ServerTest::TearDown() {
  ExpectNoLiveObjects(kTestServerDll);
  CoUninitialize();
}

com::Ptr<ITestThing> ServerTest::MakeThing() {
  return CreateByProgId<ITestThing>(L"MorvexComTest.TestThing");
}

com::Ptr<ITestItems> ServerTest::MakeItems() {
  return CreateByProgId<ITestItems>(L"MorvexComTest.TestItems");
}

com::Ptr<ITestItem> ServerTest::MakeItem(long value) {
  com::Ptr<ITestItem> item = CreateByProgId<ITestItem>(L"MorvexComTest.TestItem");
  if (item) item->put_Value(value);
  return item;
}
