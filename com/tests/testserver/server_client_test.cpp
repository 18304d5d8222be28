// The test server as a client uses it: created by ProgID, called through
// the vtable and late-bound through IDispatch, its errors read back with
// GetErrorInfo and EXCEPINFO, its events received by the framework's event
// sink, its collection's 1-based rules, and its objects all gone when the
// client lets go (checked after every test by the fixture).
#include <olectl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TestServerResource.h"
#include "com/Automation.h"
#include "com/EventSink.h"
#include "test_support.h"

namespace com = morvex::com;

namespace {

using ClientTest = ServerTest;

TEST_F(ClientTest, CreatesByEitherProgIdAndCallsThroughTheVtable) {
  CLSID independent, versioned;
  ASSERT_EQ(Hr{CLSIDFromProgID(L"MorvexComTest.TestThing", &independent)}, Hr{S_OK});
  ASSERT_EQ(Hr{CLSIDFromProgID(L"MorvexComTest.TestThing.1", &versioned)}, Hr{S_OK});
  EXPECT_TRUE(IsEqualCLSID(independent, CLSID_TestThing));
  EXPECT_TRUE(IsEqualCLSID(versioned, CLSID_TestThing));

  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  com::Bstr name;
  ASSERT_EQ(Hr{thing->get_Name(name.Put())}, Hr{S_OK});
  EXPECT_TRUE(name.IsNull());
  ASSERT_EQ(Hr{thing->put_Name(com::Bstr(L"\x0441\x043B\x043E\x0432\x043E").Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{thing->get_Name(name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"\x0441\x043B\x043E\x0432\x043E");
  long count = 0;
  thing->put_Count(-7);
  thing->get_Count(&count);
  EXPECT_EQ(count, -7);
  long sum = 0;
  EXPECT_EQ(Hr{thing->Add(2, 3, &sum)}, Hr{S_OK});
  EXPECT_EQ(sum, 5);
  EXPECT_EQ(Hr{thing->get_Count(nullptr)}, Hr{E_POINTER});
}

TEST_F(ClientTest, InterfaceTableAnswersQueryInterfaceWithOneIdentity) {
  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  com::Ptr<IUnknown> viaThing, viaDispatch;
  com::Ptr<IDispatch> dispatch;
  com::Ptr<ISupportErrorInfo> errors;
  com::Ptr<IConnectionPointContainer> points;
  ASSERT_EQ(Hr{thing.As(&dispatch)}, Hr{S_OK});
  ASSERT_EQ(Hr{thing.As(&errors)}, Hr{S_OK});
  ASSERT_EQ(Hr{thing.As(&points)}, Hr{S_OK});
  ASSERT_EQ(Hr{thing.As(&viaThing)}, Hr{S_OK});
  ASSERT_EQ(Hr{points.As(&viaDispatch)}, Hr{S_OK});
  EXPECT_EQ(viaThing, viaDispatch);
  EXPECT_EQ(static_cast<IUnknown*>(dispatch.Get()), static_cast<IUnknown*>(thing.Get()));
  com::Ptr<ITestItems> notOffered;
  EXPECT_EQ(Hr{thing.As(&notOffered)}, Hr{E_NOINTERFACE});
  EXPECT_FALSE(notOffered);
}

TEST_F(ClientTest, LateBoundCallsGoThroughTheTypeLibrary) {
  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  LateCall call{com::Ptr<IDispatch>(thing.Get())};

  // Names compare without case ("count").
  EXPECT_TRUE(HasDispIds(call, {{L"Name", 1}, {L"count", 2}, {L"Fire", 6}}));
  DISPID unknown = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"NoSuchMember")};
  EXPECT_EQ(Hr{call.object->GetIDsOfNames(IID_NULL, names, 1, 0, &unknown)},
            Hr{DISP_E_UNKNOWNNAME});

  com::Variant result;
  ASSERT_EQ(Hr{call.Invoke(1, DISPATCH_PROPERTYPUT, {com::Variant(L"late")}, nullptr)}, Hr{S_OK});
  ASSERT_EQ(Hr{call.Invoke(2, DISPATCH_PROPERTYPUT, {com::Variant(L"12")}, nullptr)}, Hr{S_OK});
  ASSERT_EQ(Hr{call.Invoke(3, DISPATCH_PROPERTYPUT, {com::Variant(1L)}, nullptr)}, Hr{S_OK});
  ASSERT_EQ(Hr{call.Invoke(1, DISPATCH_PROPERTYGET, {}, result.Put())}, Hr{S_OK});
  EXPECT_STREQ(result.Get().bstrVal, L"late");
  long count = 0;
  thing->get_Count(&count);
  EXPECT_EQ(count, 12);  // "12" coerced to a number
  TestShade shade = tsLight;
  thing->get_Shade(&shade);
  EXPECT_EQ(shade, tsDark);

  // An omitted optional argument takes its default.
  ASSERT_EQ(Hr{call.Invoke(7, DISPATCH_METHOD, {com::Variant(41L)}, result.Put())}, Hr{S_OK});
  EXPECT_EQ(result.Get().lVal, 42);
  EXPECT_EQ(Hr{call.Invoke(7, DISPATCH_METHOD, {}, result.Put())}, Hr{DISP_E_BADPARAMCOUNT});

  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  EXPECT_EQ(Hr{call.object->Invoke(1, IID_ITestThing, 0, DISPATCH_PROPERTYGET, &none, result.Put(),
                                   nullptr, nullptr)},
            Hr{DISP_E_UNKNOWNINTERFACE});

  UINT infos = 0;
  EXPECT_EQ(Hr{call.object->GetTypeInfoCount(&infos)}, Hr{S_OK});
  EXPECT_EQ(infos, 1u);
  com::Ptr<ITypeInfo> info;
  ASSERT_EQ(Hr{call.object->GetTypeInfo(0, 0, info.Put())}, Hr{S_OK});
  com::Bstr typeName;
  info->GetDocumentation(MEMBERID_NIL, typeName.Put(), nullptr, nullptr, nullptr);
  EXPECT_STREQ(typeName.Text(), L"ITestThing");
  EXPECT_EQ(Hr{call.object->GetTypeInfo(1, 0, info.Put())}, Hr{DISP_E_BADINDEX});
}

struct ErrorCase {
  const char* name;
  long stringId;        // Fail(stringId), or FailWithText when 0
  const wchar_t* text;  // the text given to FailWithText
  HRESULT result;
  const wchar_t* description;
};

const ErrorCase kErrorCases[] = {
    {"StringOfTheTable", IDS_THING_BROKEN, nullptr, static_cast<HRESULT>(0x80040200),
     L"The thing is broken"},
    {"LeadingBlankKept", IDS_THING_TIRED, nullptr, static_cast<HRESULT>(0x80040201),
     L" The thing is tired"},
    {"IdWithoutText", IDS_THING_MISSING, nullptr, static_cast<HRESULT>(0x80040258),
     L"Unknown Error"},
    {"GivenText", 0, L"Given text", E_FAIL, L"Given text"},
};

class ErrorInfoTest : public ServerTest, public ::testing::WithParamInterface<ErrorCase> {
 protected:
  HRESULT Provoke(ITestThing* thing) const {
    const ErrorCase& c = GetParam();
    return c.stringId ? thing->Fail(c.stringId) : thing->FailWithText(com::Bstr(c.text).Get());
  }
};

TEST_P(ErrorInfoTest, ReachesAVtableClient) {
  const ErrorCase& c = GetParam();
  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  com::Ptr<ISupportErrorInfo> support;
  ASSERT_EQ(Hr{thing.As(&support)}, Hr{S_OK});
  EXPECT_EQ(Hr{support->InterfaceSupportsErrorInfo(IID_ITestThing)}, Hr{S_OK});
  EXPECT_EQ(Hr{support->InterfaceSupportsErrorInfo(IID_ITestItems)}, Hr{S_FALSE});

  EXPECT_EQ(Hr{Provoke(thing.Get())}, Hr{c.result});
  ErrorRecord error = TakeErrorInfo();
  ASSERT_TRUE(error.present);
  EXPECT_EQ(error.description, c.description);
  EXPECT_EQ(error.source, L"MorvexComTest.TestThing.1");
  EXPECT_TRUE(IsEqualGUID(error.iid, IID_ITestThing));
  // Reading it cleared it.
  com::Ptr<IErrorInfo> info;
  EXPECT_EQ(Hr{GetErrorInfo(0, info.Put())}, Hr{S_FALSE});
}

TEST_P(ErrorInfoTest, ReachesALateBoundClientAsException) {
  const ErrorCase& c = GetParam();
  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  LateCall call{com::Ptr<IDispatch>(thing.Get())};
  ScopedExcepInfo exception;
  HRESULT hr =
      c.stringId ? call.Invoke(4, DISPATCH_METHOD, {com::Variant(c.stringId)}, nullptr, &exception)
                 : call.Invoke(5, DISPATCH_METHOD, {com::Variant(c.text)}, nullptr, &exception);
  EXPECT_EQ(Hr{hr}, Hr{DISP_E_EXCEPTION});
  EXPECT_EQ(Hr{exception.scode}, Hr{c.result});
  EXPECT_STREQ(exception.bstrDescription, c.description);
  EXPECT_STREQ(exception.bstrSource, L"MorvexComTest.TestThing.1");
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorInfoTest, ::testing::ValuesIn(kErrorCases),
                         [](const auto& info) { return std::string(info.param.name); });

// What a sink received, in order.
struct Received {
  std::vector<std::wstring> words;
  std::vector<long> numbers;
  int changes = 0;
};

com::Ptr<com::EventSink> MakeSink(Received* received) {
  com::Ptr<com::EventSink> sink;
  EXPECT_EQ(Hr{com::EventSink::Create(DIID__ITestThingEvents, &sink)}, Hr{S_OK});
  sink->On(1, [received](com::EventArguments& arguments) {
    EXPECT_EQ(arguments.Count(), 2u);
    received->words.push_back(arguments.String(0));
    received->numbers.push_back(arguments.Long(1));
  });
  sink->On(2, [received](com::EventArguments&) { ++received->changes; });
  return sink;
}

TEST_F(ClientTest, EventsReachEverySinkUntilItUnadvises) {
  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  Received first, second;
  com::Ptr<com::EventSink> one = MakeSink(&first), two = MakeSink(&second);
  ASSERT_EQ(Hr{one->Connect(thing.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{two->Connect(thing.Get())}, Hr{S_OK});
  EXPECT_EQ(Hr{one->Connect(thing.Get())}, Hr{E_UNEXPECTED});

  ASSERT_EQ(Hr{thing->Fire(com::Bstr(L"boom").Get(), 77)}, Hr{S_OK});
  EXPECT_EQ(first.words, std::vector<std::wstring>{L"boom"});
  EXPECT_EQ(first.numbers, std::vector<long>{77});
  EXPECT_EQ(first.changes, 1);
  EXPECT_EQ(second.changes, 1);

  ASSERT_EQ(Hr{one->Disconnect()}, Hr{S_OK});
  EXPECT_EQ(Hr{one->Disconnect()}, Hr{S_FALSE});
  thing->Fire(com::Bstr(L"again").Get(), 1);
  EXPECT_EQ(first.words.size(), 1u);
  EXPECT_EQ(first.changes, 1);
  EXPECT_EQ(second.words, (std::vector<std::wstring>{L"boom", L"again"}));
  ASSERT_EQ(Hr{two->Disconnect()}, Hr{S_OK});
}

TEST_F(ClientTest, ConnectionPointFollowsTheProtocol) {
  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  com::Ptr<IConnectionPointContainer> container;
  ASSERT_EQ(Hr{thing.As(&container)}, Hr{S_OK});
  com::Ptr<IConnectionPoint> point;
  EXPECT_EQ(Hr{container->FindConnectionPoint(IID_IPropertyNotifySink, point.Put())},
            Hr{CONNECT_E_NOCONNECTION});
  ASSERT_EQ(Hr{container->FindConnectionPoint(DIID__ITestThingEvents, point.Put())}, Hr{S_OK});
  IID iid = GUID_NULL;
  point->GetConnectionInterface(&iid);
  EXPECT_TRUE(IsEqualIID(iid, DIID__ITestThingEvents));
  com::Ptr<IConnectionPointContainer> owner;
  ASSERT_EQ(Hr{point->GetConnectionPointContainer(owner.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::SameObject(owner.Get(), thing.Get()));

  com::Ptr<IEnumConnectionPoints> points;
  ASSERT_EQ(Hr{container->EnumConnectionPoints(points.Put())}, Hr{S_OK});
  IConnectionPoint* listed[2] = {};
  ULONG fetched = 0;
  EXPECT_EQ(Hr{points->Next(2, listed, &fetched)}, Hr{S_FALSE});
  ASSERT_EQ(fetched, 1u);
  EXPECT_EQ(listed[0], point.Get());
  listed[0]->Release();

  // A sink without the event interface is refused; a wrong cookie too.
  com::Ptr<ITestItem> notASink = MakeItem(1);
  DWORD cookie = 0;
  EXPECT_EQ(Hr{point->Advise(notASink.Get(), &cookie)}, Hr{CONNECT_E_CANNOTCONNECT});
  EXPECT_EQ(Hr{point->Unadvise(12345)}, Hr{CONNECT_E_NOCONNECTION});

  Received received;
  com::Ptr<com::EventSink> sink = MakeSink(&received);
  ASSERT_EQ(Hr{point->Advise(static_cast<IDispatch*>(sink.Get()), &cookie)}, Hr{S_OK});
  EXPECT_NE(cookie, 0u);
  com::Ptr<IEnumConnections> connections;
  ASSERT_EQ(Hr{point->EnumConnections(connections.Put())}, Hr{S_OK});
  CONNECTDATA data = {};
  ASSERT_EQ(Hr{connections->Next(1, &data, nullptr)}, Hr{S_OK});
  EXPECT_EQ(data.dwCookie, cookie);
  EXPECT_TRUE(com::SameObject(data.pUnk, static_cast<IDispatch*>(sink.Get())));
  data.pUnk->Release();
  EXPECT_EQ(Hr{connections->Next(1, &data, nullptr)}, Hr{S_FALSE});

  // The point keeps the object alive when it is all a client holds.
  thing.Reset();
  container.Reset();
  owner.Reset();
  points.Reset();
  EXPECT_EQ(Hr{point->Unadvise(cookie)}, Hr{S_OK});
  EXPECT_EQ(Hr{point->Unadvise(cookie)}, Hr{CONNECT_E_NOCONNECTION});
}

long ValueOf(ITestItems* items, long index) {
  com::Ptr<ITestItem> item;
  long value = -1;
  if (SUCCEEDED(items->get_Item(index, item.Put()))) item->get_Value(&value);
  return value;
}

TEST_F(ClientTest, CollectionIsOneBasedAndRefusesOtherIndexes) {
  com::Ptr<ITestItems> items = MakeItems();
  ASSERT_TRUE(items);
  long count = -1;
  ASSERT_EQ(Hr{items->get_Count(&count)}, Hr{S_OK});
  EXPECT_EQ(count, 0);
  com::Ptr<ITestItem> item;
  EXPECT_EQ(Hr{items->get_Item(1, item.Put())}, Hr{E_INVALIDARG});

  com::Ptr<ITestItem> ten = MakeItem(10);
  ASSERT_EQ(Hr{items->Add(ten.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{items->Add(MakeItem(20).Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{items->Add(ten.Get())}, Hr{S_OK});  // the same object counts twice
  items->get_Count(&count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(ValueOf(items.Get(), 1), 10);
  EXPECT_EQ(ValueOf(items.Get(), 3), 10);

  // An object without the item interface is refused (the server only asks
  // it for ITestItem through IUnknown).
  com::Ptr<ITestThing> thing = MakeThing();
  EXPECT_EQ(Hr{items->Add(reinterpret_cast<ITestItem*>(static_cast<IUnknown*>(thing.Get())))},
            Hr{E_UNEXPECTED});
  EXPECT_EQ(Hr{items->Add(nullptr)}, Hr{E_UNEXPECTED});
  items->get_Count(&count);
  EXPECT_EQ(count, 3);

  for (long index : {0L, 4L, -1L}) {
    EXPECT_EQ(Hr{items->get_Item(index, item.Put())}, Hr{E_INVALIDARG}) << index;
    EXPECT_FALSE(item);
    EXPECT_EQ(Hr{items->Remove(index)}, Hr{E_INVALIDARG}) << index;
  }
  EXPECT_EQ(Hr{items->get_Count(nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{items->get_Item(1, nullptr)}, Hr{E_POINTER});

  ASSERT_EQ(Hr{items->Remove(2)}, Hr{S_OK});
  items->get_Count(&count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(ValueOf(items.Get(), 2), 10);  // the former third moved up

  // Late bound: Item is the default member.
  LateCall call{com::Ptr<IDispatch>(items.Get())};
  com::Variant result;
  ASSERT_EQ(Hr{call.Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, {com::Variant(1L)}, result.Put())},
            Hr{S_OK});
  EXPECT_EQ(result.Type(), VT_DISPATCH);
  EXPECT_EQ(Hr{call.Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, {com::Variant(3L)}, result.Put())},
            Hr{DISP_E_EXCEPTION});
}

TEST_F(ClientTest, EnumeratorWalksACopyOfTheItems) {
  com::Ptr<ITestItems> items = MakeItems();
  ASSERT_TRUE(items);
  items->Add(MakeItem(1).Get());
  items->Add(MakeItem(2).Get());
  com::Ptr<IUnknown> unknown;
  ASSERT_EQ(Hr{items->get__NewEnum(unknown.Put())}, Hr{S_OK});
  EXPECT_EQ(Hr{items->get__NewEnum(nullptr)}, Hr{E_POINTER});
  com::Ptr<IEnumVARIANT> walk;
  ASSERT_EQ(Hr{unknown.As(&walk)}, Hr{S_OK});
  items->Add(MakeItem(3).Get());  // made after the enumerator: not seen by it
  items->Remove(1);

  auto valueOf = [](const VARIANT& v) {
    com::Ptr<ITestItem> item;
    long value = -1;
    if (v.vt == VT_DISPATCH && SUCCEEDED(v.pdispVal->QueryInterface(IID_ITestItem, item.PutVoid())))
      item->get_Value(&value);
    return value;
  };
  VARIANT values[3];
  ULONG fetched = 0;
  EXPECT_EQ(Hr{walk->Next(3, values, &fetched)}, Hr{S_FALSE});
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(valueOf(values[0]), 1);
  EXPECT_EQ(valueOf(values[1]), 2);
  VariantClear(&values[0]);
  VariantClear(&values[1]);
  EXPECT_EQ(Hr{walk->Next(2, values, nullptr)}, Hr{E_POINTER});

  ASSERT_EQ(Hr{walk->Reset()}, Hr{S_OK});
  EXPECT_EQ(Hr{walk->Skip(1)}, Hr{S_OK});
  com::Ptr<IEnumVARIANT> clone;
  ASSERT_EQ(Hr{walk->Clone(clone.Put())}, Hr{S_OK});
  com::Variant value;
  ASSERT_EQ(Hr{clone->Next(1, value.Put(), nullptr)}, Hr{S_OK});
  EXPECT_EQ(valueOf(value.Get()), 2);
  EXPECT_EQ(Hr{walk->Skip(5)}, Hr{S_FALSE});
  EXPECT_EQ(Hr{walk->Next(1, value.Put(), nullptr)}, Hr{S_FALSE});
}

TEST_F(ClientTest, ServerUnloadsOnlyWhenNothingHoldsIt) {
  com::Ptr<ITestThing> thing = MakeThing();
  ASSERT_TRUE(thing);
  HMODULE server = GetModuleHandleW(kTestServerDll);
  ASSERT_NE(server, nullptr);
  ServerEntry canUnload = ServerEntryOf(server, "DllCanUnloadNow");
  EXPECT_EQ(Hr{canUnload()}, Hr{S_FALSE});
  thing.Reset();
  EXPECT_EQ(Hr{canUnload()}, Hr{S_OK});

  com::Ptr<IClassFactory> factory;
  ASSERT_EQ(Hr{CoGetClassObject(CLSID_TestItems, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                factory.PutVoid())},
            Hr{S_OK});
  EXPECT_EQ(Hr{factory->CreateInstance(nullptr, IID_IUnknown, nullptr)}, Hr{E_POINTER});
  com::Ptr<IUnknown> aggregated;
  EXPECT_EQ(Hr{factory->CreateInstance(factory.Get(), IID_IUnknown, aggregated.PutVoid())},
            Hr{CLASS_E_NOAGGREGATION});
  ASSERT_EQ(Hr{factory->LockServer(TRUE)}, Hr{S_OK});
  factory.Reset();
  EXPECT_EQ(Hr{canUnload()}, Hr{S_FALSE});
  ASSERT_EQ(Hr{CoGetClassObject(CLSID_TestItems, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                factory.PutVoid())},
            Hr{S_OK});
  factory->LockServer(FALSE);
  factory.Reset();
  EXPECT_EQ(Hr{canUnload()}, Hr{S_OK});
}

}  // namespace
