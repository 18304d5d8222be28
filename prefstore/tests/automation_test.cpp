// PrefStore as registered and as script clients see it: both ProgID forms
// of each class, the class keys, the type library (its LIBID and help
// string, the interfaces' members in slot order), late-bound calls through
// IDispatch, and the options object's empty event point.
#include "com/Automation.h"

#include <ocidl.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "com/testing/RegistryRead.h"
#include "com/testing/TypeLibCheck.h"
#include "prefstore_client.h"

namespace com = morvex::com;

namespace {

using AutomationTest = PrefStoreTest;

TEST_F(AutomationTest, EachClassIsRegisteredUnderBothProgIds) {
  struct Class {
    const wchar_t* name;
    const CLSID* clsid;
  };
  const Class classes[] = {{L"VelMorvexOpt", &CLSID_VelMorvexOpt},
                           {L"VelHotKey", &CLSID_VelHotKey},
                           {L"VelHotKeyColl", &CLSID_VelHotKeyColl}};
  for (const Class& c : classes) {
    SCOPED_TRACE(c.name);
    std::wstring independent = std::wstring(L"PrefStore.") + c.name;
    std::wstring versioned = independent + L".1";
    for (const std::wstring& progId : {independent, versioned}) {
      CLSID clsid;
      ASSERT_EQ(Hr{CLSIDFromProgID(progId.c_str(), &clsid)}, Hr{S_OK}) << progId;
      EXPECT_TRUE(IsEqualCLSID(clsid, *c.clsid)) << progId;
    }
    std::wstring key = L"CLSID\\" + GuidText(*c.clsid);
    EXPECT_EQ(ReadClassesValue(key), std::wstring(c.name) + L" Class");
    EXPECT_EQ(ReadClassesValue(key + L"\\ProgID"), versioned);
    EXPECT_EQ(ReadClassesValue(key + L"\\VersionIndependentProgID"), independent);
    EXPECT_EQ(ReadClassesValue(key + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_TRUE(ClassesKeyExists(key + L"\\Programmable"));
    EXPECT_EQ(ReadClassesValue(independent + L"\\CurVer"), versioned);
  }
}

TEST_F(AutomationTest, TypeLibraryCarriesItsLibidAndHelpString) {
  EXPECT_TRUE(com::testing::EmbeddedLibidIs(L"PrefStore.dll", LIBID_PREFSTORELib));
  EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_PREFSTORELib, 1, 0));
  com::Ptr<ITypeLib> library;
  ASSERT_EQ(Hr{LoadRegTypeLib(LIBID_PREFSTORELib, 1, 0, LOCALE_NEUTRAL, library.Put())}, Hr{S_OK});
  com::Bstr name, help;
  ASSERT_EQ(Hr{library->GetDocumentation(-1, name.Put(), help.Put(), nullptr, nullptr)}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"PREFSTORELib");
  EXPECT_STREQ(help.Text(), L"PrefStore 1.0 Type Library");
}

// The members of a dual interface in vtable order, as the type library
// describes them ("get X" and "put X" for properties).
std::vector<std::wstring> MembersInSlotOrder(REFIID iid) {
  com::Ptr<ITypeLib> library;
  com::Ptr<ITypeInfo> info;
  if (FAILED(LoadRegTypeLib(LIBID_PREFSTORELib, 1, 0, LOCALE_NEUTRAL, library.Put())) ||
      FAILED(library->GetTypeInfoOfGuid(iid, info.Put())))
    return {};
  // A dual interface's description is its dispinterface; its vtable half is
  // the referenced type -1.
  HREFTYPE vtableRef = 0;
  com::Ptr<ITypeInfo> vtable;
  if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &vtableRef)) &&
      SUCCEEDED(info->GetRefTypeInfo(vtableRef, vtable.Put())))
    info = vtable;
  TYPEATTR* attributes = nullptr;
  if (FAILED(info->GetTypeAttr(&attributes))) return {};
  std::vector<std::pair<SHORT, std::wstring>> members;
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    FUNCDESC* function = nullptr;
    if (FAILED(info->GetFuncDesc(i, &function))) continue;
    com::Bstr name;
    info->GetDocumentation(function->memid, name.Put(), nullptr, nullptr, nullptr);
    std::wstring prefix = function->invkind == INVOKE_PROPERTYGET   ? L"get "
                          : function->invkind == INVOKE_PROPERTYPUT ? L"put "
                                                                    : L"";
    members.emplace_back(function->oVft, prefix + name.Text());
    info->ReleaseFuncDesc(function);
  }
  info->ReleaseTypeAttr(attributes);
  std::sort(members.begin(), members.end());
  std::vector<std::wstring> names;
  for (auto& member : members) names.push_back(member.second);
  return names;
}

TEST_F(AutomationTest, InterfaceMembersAreInTheirSlotOrder) {
  std::vector<std::wstring> options;
  for (const wchar_t* property : {L"Maximized", L"ClipAutotrans", L"TextAutotrans", L"Left", L"Top",
                                  L"Right", L"Bottom", L"LangID", L"Font", L"CommandID"}) {
    options.push_back(std::wstring(L"get ") + property);
    options.push_back(std::wstring(L"put ") + property);
  }
  options.insert(options.end(), {L"Read", L"Write", L"GetHkeyColl"});
  for (const wchar_t* property :
       {L"ColorFore", L"ColorBack", L"ColorShadow", L"ColorText", L"Animation"}) {
    options.push_back(std::wstring(L"get ") + property);
    options.push_back(std::wstring(L"put ") + property);
  }
  options.insert(options.end(), {L"GetLastDictInfo", L"PutLastDictInfo", L"get MouseKey",
                                 L"put MouseKey", L"get MouseModifier", L"put MouseModifier"});
  EXPECT_EQ(MembersInSlotOrder(IID_IVelMorvexOpt), options);
  EXPECT_EQ(MembersInSlotOrder(IID_IVelHotKey),
            (std::vector<std::wstring>{L"get CmdID", L"put CmdID", L"get Modifiers",
                                       L"put Modifiers", L"get VirtKey", L"put VirtKey"}));
  EXPECT_EQ(
      MembersInSlotOrder(IID_IVelHotKeyColl),
      (std::vector<std::wstring>{L"get Count", L"Add", L"Remove", L"get Item", L"get _NewEnum"}));
}

TEST_F(AutomationTest, MembersAnswerByNameThroughIDispatch) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  LateCall call{com::Ptr<IDispatch>(options.Get())};
  EXPECT_TRUE(HasDispIds(call, {{L"LangID", 8}, {L"GetHkeyColl", 13}, {L"MouseModifier", 22}}));

  ASSERT_EQ(Hr{call.Invoke(8, DISPATCH_PROPERTYPUT, {com::Variant(1049L)}, nullptr)}, Hr{S_OK});
  com::Variant langId;
  ASSERT_EQ(Hr{call.Invoke(8, DISPATCH_PROPERTYGET, {}, langId.Put())}, Hr{S_OK});
  EXPECT_EQ(langId.Type(), VT_I4);
  EXPECT_EQ(langId.Get().lVal, 1049);

  EXPECT_EQ(Hr{call.Invoke(call.Id(L"Read"), DISPATCH_METHOD, {}, nullptr)}, Hr{S_OK});

  com::Variant collection;
  ASSERT_EQ(Hr{call.Invoke(13, DISPATCH_METHOD, {}, collection.Put())}, Hr{S_OK});
  ASSERT_EQ(collection.Type(), VT_DISPATCH);
  LateCall hotKeys{com::Ptr<IDispatch>(collection.Get().pdispVal)};
  com::Variant count;
  ASSERT_EQ(Hr{hotKeys.Invoke(hotKeys.Id(L"Count"), DISPATCH_PROPERTYGET, {}, count.Put())},
            Hr{S_OK});
  EXPECT_EQ(count.Get().lVal, 3);

  // The default member: Item(2).
  com::Variant second;
  ASSERT_EQ(
      Hr{hotKeys.Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, {com::Variant(2L)}, second.Put())},
      Hr{S_OK});
  ASSERT_EQ(second.Type(), VT_DISPATCH);
  LateCall hotKey{com::Ptr<IDispatch>(second.Get().pdispVal)};
  com::Variant virtKey;
  ASSERT_EQ(Hr{hotKey.Invoke(hotKey.Id(L"VirtKey"), DISPATCH_PROPERTYGET, {}, virtKey.Put())},
            Hr{S_OK});
  EXPECT_EQ(virtKey.Get().lVal, 'X');

  // A refused position reaches a late-bound caller as an exception carrying it.
  com::Variant none;
  ScopedExcepInfo exception;
  EXPECT_EQ(Hr{hotKeys.Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, {com::Variant(0L)}, none.Put(),
                              &exception)},
            Hr{DISP_E_EXCEPTION});
  EXPECT_EQ(Hr{exception.scode}, Hr{E_INVALIDARG});
}

TEST_F(AutomationTest, OptionsObjectOffersItsEmptyEventPoint) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  com::Ptr<IConnectionPointContainer> container;
  ASSERT_EQ(Hr{options.As(&container)}, Hr{S_OK});
  com::Ptr<IConnectionPoint> point;
  ASSERT_EQ(Hr{container->FindConnectionPoint(DIID__IVelMorvexOptEvents, point.Put())}, Hr{S_OK});
  IID iid = {};
  EXPECT_EQ(Hr{point->GetConnectionInterface(&iid)}, Hr{S_OK});
  EXPECT_TRUE(IsEqualIID(iid, DIID__IVelMorvexOptEvents));
}

}  // namespace
