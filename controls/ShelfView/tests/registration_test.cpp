// ShelfView as regsvr32 registered it and as clients reach it: both ProgIDs
// lead to the class, the class keys say it is an apartment-model control
// with its toolbox bitmap and misc status, the type library carries the
// header's LIBID and lists every member in its slot with its DISPID and
// kind, and the events have their DISPIDs.
#include <ocidl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "com/Automation.h"
#include "com/WideText.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/TypeLibCheck.h"
#include "shelf_test_support.h"

namespace com = morvex::com;

namespace {

class RegistrationTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectNoLiveObjects(kShelfViewDll); }
};

TEST_F(RegistrationTest, ProgIdsLeadToAnApartmentControlWithItsKeys) {
  com::testing::ExpectRegisteredAsControl({kShelfViewDll, L"ShelfView.ShelfViewCtrl",
                                           L"ShelfViewCtrl Class", CLSID_ShelfViewCtrl,
                                           LIBID_SHELFVIEWLib});
}

using com::testing::VtableMember;

const VtableMember kMembers[] = {
    {7, L"BackColor", -501, INVOKE_PROPERTYPUT},  {8, L"BackColor", -501, INVOKE_PROPERTYGET},
    {9, L"Font", -512, INVOKE_PROPERTYPUTREF},    {10, L"Font", -512, INVOKE_PROPERTYPUT},
    {11, L"Font", -512, INVOKE_PROPERTYGET},      {12, L"DictSystem", 1, INVOKE_PROPERTYGET},
    {13, L"DictSystem", 1, INVOKE_PROPERTYPUT},   {14, L"ActiveObject", 2, INVOKE_PROPERTYGET},
    {15, L"ActiveObject", 2, INVOKE_PROPERTYPUT}, {16, L"TextColor", 3, INVOKE_PROPERTYGET},
    {17, L"TextColor", 3, INVOKE_PROPERTYPUT},    {18, L"LangID", 4, INVOKE_PROPERTYGET},
    {19, L"LangID", 4, INVOKE_PROPERTYPUT},       {20, L"DictCollName", 5, INVOKE_PROPERTYGET},
    {21, L"DictCollName", 5, INVOKE_PROPERTYPUT}, {22, L"InfoTipTitle", 6, INVOKE_PROPERTYGET},
    {23, L"InfoTipTitle", 6, INVOKE_PROPERTYPUT},
};

com::Ptr<ITypeInfo> TypeInfoOf(REFGUID guid) {
  com::Ptr<ITypeLib> library;
  com::Ptr<ITypeInfo> info;
  if (SUCCEEDED(LoadRegTypeLib(LIBID_SHELFVIEWLib, 1, 0, LOCALE_NEUTRAL, library.Put())))
    library->GetTypeInfoOfGuid(guid, info.Put());
  return info;
}

TEST_F(RegistrationTest, TypeLibraryListsEveryMemberInItsSlotWithItsDispId) {
  EXPECT_EQ(com::testing::VtableMembers(TypeInfoOf(IID_IShelfViewCtrl).Get()),
            std::vector<VtableMember>(std::begin(kMembers), std::end(kMembers)));

  com::Ptr<ITypeInfo> events = TypeInfoOf(DIID__IShelfViewCtrlEvents);
  ASSERT_TRUE(events);
  EXPECT_TRUE(com::testing::EventIdsAre(
      events.Get(), {{L"OnSelChange", 1}, {L"OnNeedShowDic", 2}, {L"OnTreeExpanded", 3}}));
}

// A script reaches the properties by name: LangID put late-bound reads back
// through the vtable.
TEST_F(RegistrationTest, MembersAnswerTheSameLateBoundAndByVtable) {
  com::Ptr<IShelfViewCtrl> shelf = CreateByProgId<IShelfViewCtrl>(L"ShelfView.ShelfViewCtrl");
  ASSERT_TRUE(shelf);
  LateCall call{com::Ptr<IDispatch>(shelf.Get())};
  EXPECT_TRUE(HasDispIds(call, {{L"DictSystem", 1}, {L"LangID", 4}, {L"InfoTipTitle", 6}}));
  ASSERT_EQ(Hr{call.Invoke(4, DISPATCH_PROPERTYPUT, {com::Variant(1049L)}, nullptr)}, Hr{S_OK});
  long langId = 0;
  ASSERT_EQ(Hr{shelf->get_LangID(&langId)}, Hr{S_OK});
  EXPECT_EQ(langId, 1049);
  com::Variant title;
  ASSERT_EQ(Hr{call.Invoke(6, DISPATCH_PROPERTYGET, {}, title.Put())}, Hr{S_OK});
  ASSERT_EQ(title.Type(), VT_BSTR);
  EXPECT_STREQ(title.Get().bstrVal, L"Dictionary entries: ");
  com::Bstr name;
  ASSERT_EQ(Hr{shelf->get_DictCollName(name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"Dictionaries");
}

}  // namespace
