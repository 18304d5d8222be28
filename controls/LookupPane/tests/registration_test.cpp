// LookupPane as regsvr32 registered it and as clients call it: both ProgIDs
// lead to the class, its keys say control, insertable, programmable,
// apartment, toolbox bitmap 101 and misc status 131473; the type library
// carries its LIBID, every member in its slot with its DISPID and kind (the
// icon handles pointer-wide) and the three events with theirs.
#include <windows.h>

#include <string>
#include <vector>

#include "LookupTestSupport.h"
#include "com/Automation.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/TypeLibCheck.h"

namespace morvex::lookuppane::testing {

namespace {

using com::testing::VtableMember;

TEST(RegistrationTest, ClassAndProgIdsAreRegisteredAsAProgrammableControl) {
  com::testing::ExpectRegisteredAsControl({kLookupPaneDll, L"LookupPane.VelDictViewCtrl",
                                           L"VelDictViewCtrl Class", CLSID_VelDictViewCtrl,
                                           LIBID_LOOKUPPANELib});
}

TEST(RegistrationTest, EveryMemberAndEventHasItsSlotDispIdAndKind) {
  com::Ptr<ITypeLib> library;
  ASSERT_EQ(Hr{LoadRegTypeLib(LIBID_LOOKUPPANELib, 1, 0, LOCALE_NEUTRAL, library.Put())}, Hr{S_OK});
  com::Bstr name;
  library->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr);
  EXPECT_STREQ(name.Text(), L"LOOKUPPANELib");
  com::Ptr<ITypeInfo> dual;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(IID_IVelDictViewCtrl, dual.Put())}, Hr{S_OK});
  const INVOKEKIND get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT, call = INVOKE_FUNC;
  const std::vector<VtableMember> expected = {
      {7, L"BackColor", -501, put},
      {8, L"BackColor", -501, get},
      {9, L"Font", -512, INVOKE_PROPERTYPUTREF},
      {10, L"Font", -512, put},
      {11, L"Font", -512, get},
      {12, L"ForeColor", -513, put},
      {13, L"ForeColor", -513, get},
      {14, L"CharSetEnv", 1, put},
      {15, L"BkColorCtrl", 2, put},
      {16, L"TextCtrl", 3, put},
      {17, L"TitleCtrl", 4, put},
      {18, L"SetDictionaryFile", 5, call},
      {19, L"BkInterfaceColor", 6, put},
      {20, L"clrTxtInterface", 7, put},
      {21, L"SetTitles", 8, call},
      {22, L"LookKbd", 9, put},
      {23, L"ChangeDictNameOnEvent", 10, call},
      {24, L"FontControls", 11, put},
      {25, L"SetProject", 12, call},
      {26, L"SetDictionary", 13, call},
      {27, L"FontInterface", 14, put},
      {28, L"CopyText", 15, call},
      {29, L"SelectAll", 16, call},
      {30, L"UndoText", 17, call},
      {31, L"PasteText", 18, call},
      {32, L"DeleteText", 19, call},
      {33, L"CutText", 20, call},
      {34, L"CanUndo", 21, get},
      {35, L"hasSelText", 22, get},
      {36, L"SetDictIcon", 23, put},
      {37, L"GetAbcFullSize", 24, call},
      {38, L"SetSeekWord", 25, call},
  };
  const std::vector<VtableMember> members = com::testing::VtableMembers(dual.Get());
  EXPECT_EQ(members, expected);
  const VARTYPE iconType = com::testing::FirstParameterType(members, 23);
  EXPECT_EQ(iconType, sizeof(void*) == 8 ? VT_I8 : VT_I4) << "an icon handle is pointer-wide";

  com::Ptr<ITypeInfo> events;
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(DIID__IVelDictViewCtrlEvents, events.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::testing::EventIdsAre(
      events.Get(), {{L"NeedToChangeLang", 1}, {L"NeedToSetLangInput", 2}, {L"NeedPopupMenu", 3}}));
}

}  // namespace

}  // namespace morvex::lookuppane::testing
