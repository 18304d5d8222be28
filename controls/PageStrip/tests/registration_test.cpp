// PageStrip as regsvr32 registered it and as clients see its type: both
// ProgIDs lead to the class, the class keys a container reads (control,
// insertable, toolbox bitmap, misc status), the type library's LIBID, every
// member of the dual interface in its slot with its DISPID and kind, the
// events, and the same member reached late-bound and through the vtable.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "com/Automation.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/TypeLibCheck.h"
#include "strip_test_support.h"

namespace com = morvex::com;
using morvex::com::testing::LateCall;

namespace pagestrip_test {

namespace {

TEST(PageStripRegistrationTest, TheClassIsRegisteredAsAnInsertableControl) {
  com::testing::ExpectRegisteredAsControl({kPageStripDll, L"PageStrip.VelPageStrip",
                                           L"VelPageStrip Class", CLSID_VelPageStrip,
                                           LIBID_PAGESTRIPLib});

  // The toolbox bitmap is there to be found.
  HBITMAP toolbox = LoadBitmapW(GetModuleHandleW(kPageStripDll), MAKEINTRESOURCEW(101));
  EXPECT_NE(toolbox, nullptr);
  if (toolbox) DeleteObject(toolbox);
}

// The type information of `guid` in the registered type library.
Ptr<ITypeInfo> TypeInfoOf(REFGUID guid) {
  Ptr<ITypeLib> library;
  Ptr<ITypeInfo> info;
  if (SUCCEEDED(LoadRegTypeLib(LIBID_PAGESTRIPLib, 1, 0, LOCALE_NEUTRAL, library.Put())))
    library->GetTypeInfoOfGuid(guid, info.Put());
  return info;
}

TEST(PageStripRegistrationTest, EveryMemberSitsInItsSlotWithItsDispId) {
  const INVOKEKIND get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT,
                   putref = INVOKE_PROPERTYPUTREF, method = INVOKE_FUNC;
  const std::vector<com::testing::VtableMember> expected = {
      {7, L"BackColor", -501, put},
      {8, L"BackColor", -501, get},
      {9, L"Font", -512, putref},
      {10, L"Font", -512, put},
      {11, L"Font", -512, get},
      {12, L"Animation", 1, get},
      {13, L"Animation", 1, put},
      {14, L"Sleep", 2, get},
      {15, L"Sleep", 2, put},
      {16, L"Sign", 3, get},
      {17, L"Sign", 3, put},
      {18, L"ActivatePage", 4, method},
      {19, L"AddPage", 5, method},
      {20, L"AttachWindow", 6, method},
      {21, L"DeletePage", 7, method},
      {22, L"GetActivePage", 8, method},
      {23, L"GetHwnd", 9, method},
      {24, L"GetPage", 10, method},
      {25, L"GetPageName", 11, method},
      {26, L"GetPagesCount", 12, method},
      {27, L"Height", 13, get},
      {28, L"Height", 13, put},
      {29, L"IsPage", 14, method},
      {30, L"SetPageName", 15, method},
      {31, L"ActivePageColor", 16, get},
      {32, L"ActivePageColor", 16, put},
      {33, L"InactivePageColor", 17, get},
      {34, L"InactivePageColor", 17, put},
      {35, L"TextColor", 18, get},
      {36, L"TextColor", 18, put},
  };
  EXPECT_EQ(com::testing::VtableMembers(TypeInfoOf(IID_IVelPageStrip).Get()), expected);
  EXPECT_TRUE(
      com::testing::EventIdsAre(TypeInfoOf(DIID__IVelPageStripEvents).Get(),
                                {{L"ActivatePage", 1}, {L"Click", 2}, {L"ClickOnActivePage", 3}}));
}

using PageStripCallTest = StripTest;

// The same members by name, as a script calls them, and by vtable.
TEST_F(PageStripCallTest, MembersAnswerLateBoundAsThroughTheVtable) {
  LateCall call{Ptr<IDispatch>(strip_.Get())};
  ASSERT_EQ(Hr{call.Invoke(call.Id(L"AddPage"), DISPATCH_METHOD, {com::Variant(L"One")}, nullptr)},
            Hr{S_OK});
  ASSERT_EQ(Hr{call.Invoke(5, DISPATCH_METHOD, {com::Variant(L"Two")}, nullptr)}, Hr{S_OK});
  com::Variant count;
  ASSERT_EQ(Hr{call.Invoke(12, DISPATCH_METHOD, {}, count.Put())}, Hr{S_OK});
  EXPECT_EQ(count.Get().lVal, 2);
  com::Variant index;
  ASSERT_EQ(Hr{call.Invoke(10, DISPATCH_METHOD, {com::Variant(L"Two")}, index.Put())}, Hr{S_OK});
  EXPECT_EQ(index.Get().lVal, 1);
  // The parameterised property: Height(0) = 30, then read by vtable.
  ASSERT_EQ(
      Hr{call.Invoke(13, DISPATCH_PROPERTYPUT, {com::Variant(0L), com::Variant(30L)}, nullptr)},
      Hr{S_OK});
  long height = 0;
  EXPECT_EQ(Hr{strip_->get_Height(0, &height)}, Hr{S_OK});
  EXPECT_EQ(height, 30);
  com::Variant heightByName;
  ASSERT_EQ(Hr{call.Invoke(13, DISPATCH_PROPERTYGET, {com::Variant(0L)}, heightByName.Put())},
            Hr{S_OK});
  EXPECT_EQ(heightByName.Get().lVal, 30);

  struct Default {
    const wchar_t* property;
    long value;
  };
  for (const Default& d :
       {Default{L"Animation", 1}, Default{L"Sleep", 0}, Default{L"Sign", 1},
        Default{L"ActivePageColor", static_cast<long>(GetSysColor(COLOR_APPWORKSPACE))},
        Default{L"InactivePageColor", static_cast<long>(GetSysColor(COLOR_BTNFACE))}}) {
    com::Variant value;
    ASSERT_EQ(Hr{call.Invoke(call.Id(d.property), DISPATCH_PROPERTYGET, {}, value.Put())}, Hr{S_OK})
        << d.property;
    com::Variant number;
    VariantChangeType(number.Put(), value.Address(), 0, VT_I4);
    EXPECT_EQ(number.Get().lVal, d.value) << d.property;
  }
  ASSERT_EQ(Hr{call.Invoke(3, DISPATCH_PROPERTYPUT, {com::Variant(7L)}, nullptr)}, Hr{S_OK});
  long sign = 0;
  strip_->get_Sign(&sign);
  EXPECT_EQ(sign, 7) << "Sign is only kept";

  // The text colour is the process's: a second strip sees what the first put.
  ASSERT_EQ(Hr{strip_->put_TextColor(RGB(1, 2, 3))}, Hr{S_OK});
  Ptr<IVelPageStrip> second =
      com::testing::CreateByProgId<IVelPageStrip>(L"PageStrip.VelPageStrip");
  ASSERT_TRUE(second);
  OLE_COLOR text = 0;
  EXPECT_EQ(Hr{second->get_TextColor(&text)}, Hr{S_OK});
  EXPECT_EQ(text, RGB(1, 2, 3));
  strip_->put_TextColor(GetSysColor(COLOR_BTNTEXT));
}

}  // namespace

}  // namespace pagestrip_test
