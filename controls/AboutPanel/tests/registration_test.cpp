// AboutPanel as regsvr32 registered it and as clients call it: both ProgIDs
// lead to the class, its keys say control, insertable, apartment, toolbox
// bitmap 101 and misc status 131473; the type library carries its LIBID
// and every member in its slot with its DISPID and kind (the picture's
// address 64 bits wide), and GetBnOkPos only in the table of functions.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AboutPanelVtable.h"
#include "com/Automation.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/ServerClient.h"
#include "com/testing/TypeLibCheck.h"

namespace morvex::aboutpanel::testing {

namespace {

using com::testing::Hr;
using com::testing::VtableMember;

constexpr wchar_t kDll[] = L"AboutPanel.dll";
class RegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override {
    com::testing::ExpectNoLiveObjects(kDll);
    CoUninitialize();
  }
};

TEST_F(RegistrationTest, ClassAndProgIdsAreRegisteredAsAnInsertableControl) {
  com::testing::ExpectRegisteredAsControl({kDll, L"AboutPanel.AboutPanelCtrl",
                                           L"AboutPanelCtrl Class", CLSID_AboutPanelCtrl,
                                           LIBID_ABOUTPANELLib});
}

TEST_F(RegistrationTest, EveryMemberHasItsSlotDispIdAndKindAndGetBnOkPosIsNotAmongThem) {
  com::Ptr<ITypeLib> library;
  ASSERT_EQ(Hr{LoadRegTypeLib(LIBID_ABOUTPANELLib, 1, 0, LOCALE_NEUTRAL, library.Put())}, Hr{S_OK});
  com::Bstr name;
  library->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr);
  EXPECT_STREQ(name.Text(), L"ABOUTPANELLib");
  com::Ptr<ITypeInfo> dual;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(IID_IAboutPanelCtrl, dual.Put())}, Hr{S_OK});
  const INVOKEKIND get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT, call = INVOKE_FUNC;
  const std::vector<VtableMember> expected = {
      {7, L"Font", -512, INVOKE_PROPERTYPUTREF},
      {8, L"Font", -512, put},
      {9, L"Font", -512, get},
      {10, L"EMailAdress", 1, put},
      {11, L"GetWndSize", 2, call},
      {12, L"ShowMoveSplash", 3, call},
      {13, L"AboutDlgStile", 4, put},
      {14, L"FontAbout", 5, put},
      {15, L"SetHyperLinkPoint", 6, call},
      {16, L"SetBnOkPoint", 7, call},
      {17, L"GetHyperLinkPos", 8, call},
      {18, L"SetHyperLinkColor", 9, call},
      {19, L"SetResourseBmp", 10, call},
      {20, L"BnOkTitle", 11, put},
  };
  const std::vector<VtableMember> members = com::testing::VtableMembers(dual.Get());
  EXPECT_EQ(members, expected);
  const VARTYPE addressType = com::testing::FirstParameterType(members, 10);
  EXPECT_EQ(addressType, sizeof(void*) == 8 ? VT_I8 : VT_I4)
      << "a picture's address is pointer-wide";

  com::Ptr<ITypeInfo> events;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(DIID__IAboutPanelCtrlEvents, events.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::testing::EventIdsAre(events.Get(), {{L"OnExit", 1}}));
  MEMBERID id = 0;
  LPOLESTR hidden = const_cast<LPOLESTR>(L"GetBnOkPos");
  EXPECT_TRUE(FAILED(dual->GetIDsOfNames(&hidden, 1, &id))) << "GetBnOkPos is not late-bound";
}

TEST_F(RegistrationTest, MembersAnswerLateBoundAndTheTableHoldsGetBnOkPosLast) {
  com::Ptr<IAboutPanelCtrl> control =
      com::testing::CreateByProgId<IAboutPanelCtrl>(L"AboutPanel.AboutPanelCtrl");
  ASSERT_TRUE(control);
  com::testing::LateCall late{com::Ptr<IDispatch>(control.Get())};
  EXPECT_TRUE(com::testing::HasDispIds(
      late, {{L"EMailAdress", 1}, {L"ShowMoveSplash", 3}, {L"SetResourseBmp", 10}}));
  // Without a window the panel still answers, with its own picture's size.
  long cx = 0, cy = 0;
  EXPECT_EQ(Hr{control->GetWndSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, 18);
  EXPECT_EQ(cy, 16);
  EXPECT_EQ(Hr{late.Invoke(10, DISPATCH_METHOD, {com::Variant(0L)}, nullptr)}, Hr{S_OK});
  EXPECT_EQ(Hr{control->GetWndSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, 0) << "0 takes the picture away";
  EXPECT_EQ(cy, 0);
  long rect[4] = {1, 1, 1, 1};
  auto* table = static_cast<IAboutPanelCtrlVtable*>(control.Get());
  EXPECT_EQ(Hr{table->GetBnOkPos(&rect[0], &rect[1], &rect[2], &rect[3])}, Hr{S_OK});
  EXPECT_EQ(rect[2], 0) << "no window, no button";
}

}  // namespace

}  // namespace morvex::aboutpanel::testing
