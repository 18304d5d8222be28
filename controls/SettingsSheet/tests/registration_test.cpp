// SettingsSheet as regsvr32 registered it and as clients call it: both
// ProgIDs lead to the class, its keys say control, insertable, apartment,
// toolbox bitmap 101 and misc status 131473; the type library carries its
// LIBID and every member in its slot with its DISPID and kind; the events
// have their DISPIDs; members answer late-bound as through the vtable.
#include <windows.h>

#include <string>
#include <vector>

#include "SettingsSheetTestSupport.h"
#include "com/Automation.h"
#include "com/WideText.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/TypeLibCheck.h"

namespace morvex::settingssheet::testing {

namespace {

using com::testing::LateCall;
using com::testing::VtableMember;

class RegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override {
    com::testing::ExpectNoLiveObjects(kSettingsSheetDll);
    CoUninitialize();
  }
};

TEST_F(RegistrationTest, ClassAndProgIdsAreRegisteredAsAnInsertableControl) {
  com::testing::ExpectRegisteredAsControl({kSettingsSheetDll, L"SettingsSheet.SettingsSheetCtrl",
                                           L"SettingsSheetCtrl Class", CLSID_SettingsSheetCtrl,
                                           LIBID_SETTINGSSHEETLib});
}

TEST_F(RegistrationTest, EveryMemberHasItsSlotDispIdAndKind) {
  com::Ptr<ITypeLib> library;
  ASSERT_EQ(Hr{LoadRegTypeLib(LIBID_SETTINGSSHEETLib, 1, 0, LOCALE_NEUTRAL, library.Put())},
            Hr{S_OK});
  com::Bstr name;
  library->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr);
  EXPECT_STREQ(name.Text(), L"SETTINGSSHEETLib");
  com::Ptr<ITypeInfo> dual;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(IID_ISettingsSheetCtrl, dual.Put())}, Hr{S_OK});
  const INVOKEKIND get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT, call = INVOKE_FUNC;
  const std::vector<VtableMember> expected = {
      {7, L"BackColor", -501, put},
      {8, L"BackColor", -501, get},
      {9, L"Font", -512, INVOKE_PROPERTYPUTREF},
      {10, L"Font", -512, put},
      {11, L"Font", -512, get},
      {12, L"ForeColor", -513, put},
      {13, L"ForeColor", -513, get},
      {14, L"InterfaceColor", 1, get},
      {15, L"InterfaceColor", 1, put},
      {16, L"ControlColor", 2, get},
      {17, L"ControlColor", 2, put},
      {18, L"TitleColor", 3, get},
      {19, L"TitleColor", 3, put},
      {20, L"HKTranslateCbd", 4, get},
      {21, L"HKTranslateCbd", 4, put},
      {22, L"HKQuickTip", 5, get},
      {23, L"HKQuickTip", 5, put},
      {24, L"HKDictionary", 6, get},
      {25, L"HKDictionary", 6, put},
      {26, L"TextFont", 7, get},
      {27, L"TextFont", 7, put},
      {28, L"ChkTip", 8, get},
      {29, L"ChkTip", 8, put},
      {30, L"ChkDict", 9, get},
      {31, L"ChkDict", 9, put},
      {32, L"ChkTranslate", 10, get},
      {33, L"ChkTranslate", 10, put},
      {34, L"GetDialogSize", 11, call},
      {35, L"FontDialog", 12, get},
      {36, L"FontDialog", 12, put},
      {37, L"InterfaceBmpTitle", 13, put},
      {38, L"ControlBmpTitle", 14, put},
      {39, L"TitleBmpTitle", 15, put},
      {40, L"InvokeDialog", 16, call},
      {41, L"MouseVirtKey", 17, get},
      {42, L"MouseVirtKey", 17, put},
      {43, L"MouseButton", 18, get},
      {44, L"MouseButton", 18, put},
      {45, L"SetResourseBnIcon", 19, call},
      {46, L"EndDialogUser", 20, call},
      {47, L"DlgItemText", 21, put},
  };
  EXPECT_EQ(com::testing::VtableMembers(dual.Get()), expected);

  com::Ptr<ITypeInfo> events;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(DIID__ISettingsSheetCtrlEvents, events.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::testing::EventIdsAre(
      events.Get(), {{L"OnClose", 1}, {L"OnChangeLang", 2}, {L"NeedToChangeResourse", 3}}));
}

TEST_F(RegistrationTest, MembersAnswerLateBoundAsThroughTheVtable) {
  com::Ptr<ISettingsSheetCtrl> control =
      com::testing::CreateByProgId<ISettingsSheetCtrl>(L"SettingsSheet.SettingsSheetCtrl");
  ASSERT_TRUE(control);
  LateCall late{com::Ptr<IDispatch>(control.Get())};
  EXPECT_TRUE(com::testing::HasDispIds(late, {{L"InterfaceColor", 1},
                                              {L"HKQuickTip", 5},
                                              {L"TextFont", 7},
                                              {L"InvokeDialog", 16},
                                              {L"DlgItemText", 21}}));
  com::Variant quickTip;
  ASSERT_EQ(Hr{late.Invoke(5, DISPATCH_PROPERTYGET, {}, quickTip.Put())}, Hr{S_OK});
  EXPECT_EQ(quickTip.Get().lVal, 0x0653);
  // The upper half of the long is no part of a hot key.
  ASSERT_EQ(Hr{late.Invoke(6, DISPATCH_PROPERTYPUT, {com::Variant(0x12340241L)}, nullptr)},
            Hr{S_OK});
  long dictionary = 0;
  EXPECT_EQ(Hr{control->get_HKDictionary(&dictionary)}, Hr{S_OK});
  EXPECT_EQ(dictionary, 0x0241);
  // The clipboard hot key is kept by the host: get leaves its output alone.
  long untouched = 77;
  EXPECT_EQ(Hr{control->put_HKTranslateCbd(0x0653)}, Hr{S_OK});
  EXPECT_EQ(Hr{control->get_HKTranslateCbd(&untouched)}, Hr{S_OK});
  EXPECT_EQ(untouched, 77);
}

}  // namespace

}  // namespace morvex::settingssheet::testing
