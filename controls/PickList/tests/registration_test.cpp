// PickList as regsvr32 registered it and as clients call it: both ProgIDs
// lead to the class, its keys say control, insertable, apartment, toolbox
// bitmap 101 and misc status 131473; the type library carries its LIBID
// and every member in its slot with its DISPID and kind (the module handle
// 64 bits wide); members answer late-bound as through the vtable.
#include <windows.h>

#include <string>
#include <vector>

#include "PickListTestSupport.h"
#include "com/Automation.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/TypeLibCheck.h"

namespace morvex::picklist::testing {

namespace {

using com::testing::LateCall;
using com::testing::VtableMember;

class RegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override {
    com::testing::ExpectNoLiveObjects(kPickListDll);
    CoUninitialize();
  }
};

TEST_F(RegistrationTest, ClassAndProgIdsAreRegisteredAsAnInsertableControl) {
  com::testing::ExpectRegisteredAsControl({kPickListDll, L"PickList.PickListCtrl",
                                           L"PickListCtrl Class", CLSID_PickListCtrl,
                                           LIBID_PICKLISTLib});
}

TEST_F(RegistrationTest, EveryMemberHasItsSlotDispIdAndKind) {
  com::Ptr<ITypeLib> library;
  ASSERT_EQ(Hr{LoadRegTypeLib(LIBID_PICKLISTLib, 1, 0, LOCALE_NEUTRAL, library.Put())}, Hr{S_OK});
  com::Bstr name;
  library->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr);
  EXPECT_STREQ(name.Text(), L"PICKLISTLib");
  com::Ptr<ITypeInfo> dual;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(IID_IPickListCtrl, dual.Put())}, Hr{S_OK});
  const INVOKEKIND get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT, call = INVOKE_FUNC;
  const std::vector<VtableMember> expected = {
      {7, L"Font", -512, INVOKE_PROPERTYPUTREF},
      {8, L"Font", -512, put},
      {9, L"Font", -512, get},
      {10, L"CheckedItem", 1, get},
      {11, L"CheckedItem", 1, put},
      {12, L"TrackPopupMenu", 2, call},
      {13, L"AddItem", 3, call},
      {14, L"SetResourseInst", 4, call},
      {15, L"BackColor", 5, put},
      {16, L"DeleteAllItems", 6, call},
      {17, L"FontMenu", 7, put},
      {18, L"UsedItemID", 8, get},
      {19, L"UsedItemID", 8, put},
      {20, L"AddItemIcon", 9, call},
      {21, L"DisableItem", 10, put},
      {22, L"InsertSubMenu", 11, call},
      {23, L"AddSubItemIcon", 12, call},
  };
  const std::vector<VtableMember> members = com::testing::VtableMembers(dual.Get());
  EXPECT_EQ(members, expected);
  const VARTYPE moduleType = com::testing::FirstParameterType(members, 4);
  EXPECT_EQ(moduleType, sizeof(void*) == 8 ? VT_I8 : VT_I4) << "a module handle is pointer-wide";

  com::Ptr<ITypeInfo> events;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(DIID__IPickListCtrlEvents, events.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::testing::EventIdsAre(events.Get(), {{L"LangChanged", 1}}));
}

TEST_F(RegistrationTest, MembersAnswerLateBoundAsThroughTheVtable) {
  com::Ptr<IPickListCtrl> control =
      com::testing::CreateByProgId<IPickListCtrl>(L"PickList.PickListCtrl");
  ASSERT_TRUE(control);
  LateCall late{com::Ptr<IDispatch>(control.Get())};
  EXPECT_TRUE(com::testing::HasDispIds(late, {{L"CheckedItem", 1},
                                              {L"SetResourseInst", 4},
                                              {L"BackColor", 5},
                                              {L"UsedItemID", 8},
                                              {L"AddSubItemIcon", 12}}));
  ASSERT_EQ(Hr{late.Invoke(8, DISPATCH_PROPERTYPUT, {com::Variant(1L)}, nullptr)}, Hr{S_OK});
  long used = 0;
  EXPECT_EQ(Hr{control->get_UsedItemID(&used)}, Hr{S_OK});
  EXPECT_EQ(used, 1);
  ASSERT_EQ(Hr{control->put_UsedItemID(0)}, Hr{S_OK});
  com::Variant lateUsed;
  ASSERT_EQ(Hr{late.Invoke(8, DISPATCH_PROPERTYGET, {}, lateUsed.Put())}, Hr{S_OK});
  EXPECT_EQ(lateUsed.Get().lVal, 0);

  com::Variant checked;
  ASSERT_EQ(Hr{late.Invoke(1, DISPATCH_PROPERTYGET, {}, checked.Put())}, Hr{S_OK});
  EXPECT_EQ(checked.Get().lVal, -1);
  EXPECT_EQ(Hr{late.Invoke(5, DISPATCH_PROPERTYPUT, {com::Variant(0x00FF00L)}, nullptr)}, Hr{S_OK});
  com::Variant none;
  EXPECT_TRUE(FAILED(late.Invoke(5, DISPATCH_PROPERTYGET, {}, none.Put())))
      << "BackColor can only be put";
  // Before the control has a window there is no menu: every member still
  // answers S_OK.
  EXPECT_EQ(Hr{late.Invoke(3, DISPATCH_METHOD, {com::Variant(1L), com::Variant(L"Item")}, nullptr)},
            Hr{S_OK});
  EXPECT_EQ(Hr{control->AddSubItemIcon(0, 5, nullptr, -1, -1)}, Hr{S_OK});
  EXPECT_EQ(Hr{control->DeleteAllItems(1)}, Hr{S_OK});
}

}  // namespace

}  // namespace morvex::picklist::testing
