// QuickHint as regsvr32 registered it and as clients call it: both ProgIDs
// lead to the class, its keys say control, insertable, apartment, toolbox
// bitmap 101 and misc status 131473; the type library carries its LIBID,
// every member in its slot with its DISPID and kind (the icon handles
// pointer-wide) and the five events with theirs.
#include <windows.h>

#include <string>
#include <vector>

#include "QuickHintTestSupport.h"
#include "com/Automation.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/TypeLibCheck.h"

namespace morvex::quickhint::testing {

namespace {

using com::testing::VtableMember;

class RegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override {
    com::testing::ExpectNoLiveObjects(kQuickHintDll);
    CoUninitialize();
  }
};

TEST_F(RegistrationTest, ClassAndProgIdsAreRegisteredAsAnInsertableControl) {
  com::testing::ExpectRegisteredAsControl({kQuickHintDll, L"QuickHint.QuickHintCtrl",
                                           L"QuickHintCtrl Class", CLSID_QuickHintCtrl,
                                           LIBID_QUICKHINTLib});
}

TEST_F(RegistrationTest, EveryMemberAndEventHasItsSlotDispIdAndKind) {
  com::Ptr<ITypeLib> library;
  ASSERT_EQ(Hr{LoadRegTypeLib(LIBID_QUICKHINTLib, 1, 0, LOCALE_NEUTRAL, library.Put())}, Hr{S_OK});
  com::Bstr name;
  library->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr);
  EXPECT_STREQ(name.Text(), L"QUICKHINTLib");
  com::Ptr<ITypeInfo> dual;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(IID_IQuickHintCtrl, dual.Put())}, Hr{S_OK});
  const INVOKEKIND get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT, call = INVOKE_FUNC;
  const std::vector<VtableMember> expected = {
      {7, L"Font", -512, INVOKE_PROPERTYPUTREF},
      {8, L"Font", -512, put},
      {9, L"Font", -512, get},
      {10, L"ForeColor", -513, put},
      {11, L"ForeColor", -513, get},
      {12, L"InString", 1, put},
      {13, L"OutString", 2, put},
      {14, L"GetTipSize", 3, call},
      {15, L"langIn", 4, put},
      {16, L"langOut", 5, put},
      {17, L"FontTip", 6, put},
      {18, L"SelectAll", 7, call},
      {19, L"CopyText", 8, call},
      {20, L"SetTipIcon", 9, put},
  };
  const std::vector<VtableMember> members = com::testing::VtableMembers(dual.Get());
  EXPECT_EQ(members, expected);
  const VARTYPE iconType = com::testing::FirstParameterType(members, 9);
  EXPECT_EQ(iconType, sizeof(void*) == 8 ? VT_I8 : VT_I4) << "an icon handle is pointer-wide";

  com::Ptr<ITypeInfo> events;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(DIID__IQuickHintCtrlEvents, events.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::testing::EventIdsAre(events.Get(), {{L"LangChanged", 1},
                                                       {L"NeedToHide", 2},
                                                       {L"NeedToChangeLang", 3},
                                                       {L"NeedEditMenu", 4},
                                                       {L"NeedDictViewer", 5}}));
}

}  // namespace

}  // namespace morvex::quickhint::testing
