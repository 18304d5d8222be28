// LetterStrip as regsvr32 registered it and as clients reach it: both
// ProgIDs lead to the class, the class keys say it is an apartment-model
// control with its toolbox bitmap and misc status, the type library carries
// the header's LIBID and lists every member in its slot with its DISPID and
// kind, and members answer the same late-bound and by vtable.
#include <ocidl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "com/Automation.h"
#include "com/testing/ControlRegistration.h"
#include "com/testing/TypeLibCheck.h"
#include "letterstrip_test_support.h"

namespace com = morvex::com;

namespace {

// OLE is initialised for the whole run by the tests' environment.
class RegistrationTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectNoLiveObjects(kLetterStripDll); }
};

TEST_F(RegistrationTest, ProgIdsLeadToAnApartmentControlWithItsKeys) {
  com::testing::ExpectRegisteredAsControl({kLetterStripDll, L"LetterStrip.VelLetterStripCtrl",
                                           L"VelLetterStripCtrl Class", CLSID_VelLetterStripCtrl,
                                           LIBID_LETTERSTRIPLib});
}

using com::testing::VtableMember;

const VtableMember kMembers[] = {
    {7, L"BackColor", -501, INVOKE_PROPERTYPUT},   {8, L"BackColor", -501, INVOKE_PROPERTYGET},
    {9, L"Font", -512, INVOKE_PROPERTYPUTREF},     {10, L"Font", -512, INVOKE_PROPERTYPUT},
    {11, L"Font", -512, INVOKE_PROPERTYGET},       {12, L"ForeColor", -513, INVOKE_PROPERTYPUT},
    {13, L"ForeColor", -513, INVOKE_PROPERTYGET},  {14, L"SetCurSel", 1, INVOKE_FUNC},
    {15, L"SelectLetter", 2, INVOKE_FUNC},         {16, L"CurSel", 3, INVOKE_PROPERTYGET},
    {17, L"CurLetter", 4, INVOKE_PROPERTYGET},     {18, L"CurLetter", 4, INVOKE_PROPERTYPUT},
    {19, L"SelTextColor", 5, INVOKE_PROPERTYPUT},  {20, L"PressedTextColor", 6, INVOKE_PROPERTYPUT},
    {21, L"LangType", 7, INVOKE_PROPERTYPUT},      {22, L"GetSize", 8, INVOKE_FUNC},
    {23, L"SetVertStyle", 9, INVOKE_FUNC},         {24, L"AbcBkColor", 10, INVOKE_PROPERTYPUT},
    {25, L"AbcTextColor", 11, INVOKE_PROPERTYPUT}, {26, L"AbcFont", 12, INVOKE_PROPERTYPUT},
};

TEST_F(RegistrationTest, TypeLibraryListsEveryMemberInItsSlotWithItsDispId) {
  com::Ptr<ITypeLib> library;
  com::Ptr<ITypeInfo> dual, events;
  ASSERT_EQ(Hr{LoadRegTypeLib(LIBID_LETTERSTRIPLib, 1, 0, LOCALE_NEUTRAL, library.Put())},
            Hr{S_OK});
  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(IID_IVelLetterStripCtrl, dual.Put())}, Hr{S_OK});
  EXPECT_EQ(com::testing::VtableMembers(dual.Get()),
            std::vector<VtableMember>(std::begin(kMembers), std::end(kMembers)));

  ASSERT_EQ(Hr{library->GetTypeInfoOfGuid(DIID__IVelLetterStripCtrlEvents, events.Put())},
            Hr{S_OK});
  EXPECT_TRUE(com::testing::EventIdsAre(events.Get(), {{L"LetterSelected", 1}}));
}

// A selection made by name reads back through the vtable and the other way
// round; the by-reference sizes of GetSize come back through IDispatch.
TEST_F(RegistrationTest, MembersAnswerTheSameLateBoundAndByVtable) {
  com::Ptr<IVelLetterStripCtrl> strip =
      CreateByProgId<IVelLetterStripCtrl>(L"LetterStrip.VelLetterStripCtrl");
  ASSERT_TRUE(strip);
  LateCall call{com::Ptr<IDispatch>(strip.Get())};
  EXPECT_TRUE(HasDispIds(call, {{L"SetCurSel", 1}, {L"CurLetter", 4}, {L"AbcFont", 12}}));

  ASSERT_EQ(Hr{call.Invoke(1, DISPATCH_METHOD, {com::Variant(6L)}, nullptr)}, Hr{S_OK});
  long index = -2;
  ASSERT_EQ(Hr{strip->get_CurSel(&index)}, Hr{S_OK});
  EXPECT_EQ(index, 6);
  com::Variant letter;
  ASSERT_EQ(Hr{call.Invoke(4, DISPATCH_PROPERTYGET, {}, letter.Put())}, Hr{S_OK});
  ASSERT_EQ(letter.Type(), VT_BSTR);
  EXPECT_STREQ(letter.Get().bstrVal, kZhe);

  ASSERT_EQ(Hr{strip->put_LangType(9)}, Hr{S_OK});
  ASSERT_EQ(Hr{call.Invoke(2, DISPATCH_METHOD, {com::Variant(L"w")}, nullptr)}, Hr{S_OK});
  com::Variant selected;
  ASSERT_EQ(Hr{call.Invoke(3, DISPATCH_PROPERTYGET, {}, selected.Put())}, Hr{S_OK});
  EXPECT_EQ(selected.Get().lVal, 22);

  short cx = 0, cy = 0;
  com::Variant width, height;
  width.Address()->vt = VT_BYREF | VT_I2;
  width.Address()->piVal = &cx;
  height.Address()->vt = VT_BYREF | VT_I2;
  height.Address()->piVal = &cy;
  ASSERT_EQ(Hr{call.Invoke(8, DISPATCH_METHOD, {width, height}, nullptr)}, Hr{S_OK});
  short vtableCx = 0, vtableCy = 0;
  ASSERT_EQ(Hr{strip->GetSize(&vtableCx, &vtableCy)}, Hr{S_OK});
  EXPECT_EQ(cx, vtableCx);
  EXPECT_EQ(cy, vtableCy);
  // Without a letter font: the strip's first length of 200 and a 9 x 16 letter.
  EXPECT_EQ(vtableCx, 204);
  EXPECT_EQ(vtableCy, 20);
}

}  // namespace
