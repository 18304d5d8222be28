// The options object in memory: the defaults of a new object, properties
// that keep any value as given, the live hot-key collection, and null out
// pointers refused.
#include <olectl.h>
#include <windows.h>

#include "prefstore/OptionRecords.h"
#include "prefstore_client.h"

namespace com = morvex::com;

namespace {

using OptionsTest = PrefStoreTest;

TEST_F(OptionsTest, FreshObjectHoldsTheDefaults) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);

  struct Expected {
    const char* name;
    HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*get)(long*);
    long value;
  };
  morvex::prefstore::PositionRecord centred = morvex::prefstore::DefaultPosition(
      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  const Expected numbers[] = {
      {"Maximized", &IVelMorvexOpt::get_Maximized, 0},
      {"ClipAutotrans", &IVelMorvexOpt::get_ClipAutotrans, 0},
      {"TextAutotrans", &IVelMorvexOpt::get_TextAutotrans, 0},
      {"Left", &IVelMorvexOpt::get_Left, centred.left},
      {"Top", &IVelMorvexOpt::get_Top, centred.top},
      {"Right", &IVelMorvexOpt::get_Right, centred.right},
      {"Bottom", &IVelMorvexOpt::get_Bottom, centred.bottom},
      {"LangID", &IVelMorvexOpt::get_LangID, 1033},
      {"CommandID", &IVelMorvexOpt::get_CommandID, -1},
      {"Animation", &IVelMorvexOpt::get_Animation, 1},
      {"MouseKey", &IVelMorvexOpt::get_MouseKey, 0},
      {"MouseModifier", &IVelMorvexOpt::get_MouseModifier, VK_SHIFT},
  };
  for (const Expected& expected : numbers) {
    long value = 12345;
    EXPECT_EQ(Hr{(options.Get()->*expected.get)(&value)}, Hr{S_OK}) << expected.name;
    EXPECT_EQ(value, expected.value) << expected.name;
  }

  // Colours are the RGB values of this desktop's system colours.
  struct ExpectedColor {
    const char* name;
    HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*get)(OLE_COLOR*);
    int systemColor;
  };
  const ExpectedColor colors[] = {
      {"ColorFore", &IVelMorvexOpt::get_ColorFore, COLOR_WINDOW},
      {"ColorBack", &IVelMorvexOpt::get_ColorBack, COLOR_BTNFACE},
      {"ColorShadow", &IVelMorvexOpt::get_ColorShadow, COLOR_INACTIVECAPTION},
      {"ColorText", &IVelMorvexOpt::get_ColorText, COLOR_WINDOWTEXT},
  };
  for (const ExpectedColor& expected : colors) {
    OLE_COLOR color = 0xFFFFFFFF;
    EXPECT_EQ(Hr{(options.Get()->*expected.get)(&color)}, Hr{S_OK}) << expected.name;
    EXPECT_EQ(color, GetSysColor(expected.systemColor)) << expected.name;
  }

  long dictId = 1, langIn = 1, langOut = 1;
  EXPECT_EQ(Hr{options->GetLastDictInfo(&dictId, &langIn, &langOut)}, Hr{S_OK});
  EXPECT_EQ(dictId, 0);
  EXPECT_EQ(langIn, 0);
  EXPECT_EQ(langOut, 0);

  FontFacts tahoma;
  tahoma.face = L"Tahoma";
  tahoma.size = 80000;
  tahoma.weight = 400;
  tahoma.charset = 204;
  // The system reports the font it realised for that description.
  EXPECT_EQ(FontFactsOf(options.Get()), Realized(tahoma));

  com::Ptr<IVelHotKeyColl> hotKeys = HotKeysOf(options.Get());
  ASSERT_TRUE(hotKeys);
  EXPECT_EQ(FieldsOf(hotKeys.Get()), (HotKeyFields{{HKCmdTranslate, MOD_CONTROL | MOD_ALT, 'Z'},
                                                   {HKCmdDictionary, MOD_CONTROL | MOD_ALT, 'X'},
                                                   {HKCmdQuickTip, MOD_CONTROL | MOD_ALT, 'S'}}));
}

TEST_F(OptionsTest, NewHotKeyHasEveryFieldMinusOne) {
  com::Ptr<IVelHotKey> fresh = CreateByProgId<IVelHotKey>(L"PrefStore.VelHotKey");
  ASSERT_TRUE(fresh);
  long cmdId = 0, modifiers = 0, virtKey = 0;
  EXPECT_EQ(Hr{fresh->get_CmdID(&cmdId)}, Hr{S_OK});
  EXPECT_EQ(Hr{fresh->get_Modifiers(&modifiers)}, Hr{S_OK});
  EXPECT_EQ(Hr{fresh->get_VirtKey(&virtKey)}, Hr{S_OK});
  EXPECT_EQ(cmdId, -1);
  EXPECT_EQ(modifiers, -1);
  EXPECT_EQ(virtKey, -1);
  EXPECT_EQ(Hr{fresh->get_CmdID(nullptr)}, Hr{E_POINTER});
}

TEST_F(OptionsTest, PropertiesKeepAnyValueAsGiven) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  PutSampleOptions(options.Get());
  ExpectSampleOptions(options.Get());
}

TEST_F(OptionsTest, FontPutHoldsTheGivenObject) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  FontFacts arial{L"Arial", 120000, 700, 0, TRUE, FALSE, FALSE};
  com::Ptr<IFontDisp> font = MakeFont(arial);
  ASSERT_TRUE(font);
  EXPECT_EQ(Hr{options->put_Font(font.Get())}, Hr{S_OK});
  com::Ptr<IFontDisp> held;
  EXPECT_EQ(Hr{options->get_Font(held.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::SameObject(held.Get(), font.Get()));
}

TEST_F(OptionsTest, HotKeyCollectionIsLive) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  com::Ptr<IVelHotKeyColl> first = HotKeysOf(options.Get());
  ASSERT_TRUE(first);
  ASSERT_EQ(Hr{first->Remove(1)}, Hr{S_OK});
  com::Ptr<IVelHotKey> item;
  ASSERT_EQ(Hr{first->get_Item(1, item.Put())}, Hr{S_OK});
  item->put_VirtKey('Q');

  com::Ptr<IVelHotKeyColl> again = HotKeysOf(options.Get());
  ASSERT_TRUE(again);
  EXPECT_TRUE(com::SameObject(first.Get(), again.Get()));
  EXPECT_EQ(FieldsOf(again.Get()), (HotKeyFields{{HKCmdDictionary, MOD_CONTROL | MOD_ALT, 'Q'},
                                                 {HKCmdQuickTip, MOD_CONTROL | MOD_ALT, 'S'}}));
}

TEST_F(OptionsTest, NullOutPointersAreRefused) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  long value = 0;
  IVelMorvexOpt* o = options.Get();
  struct Case {
    const char* what;
    HRESULT hr;
  };
  const Case cases[] = {
      {"Maximized", o->get_Maximized(nullptr)},
      {"Left", o->get_Left(nullptr)},
      {"LangID", o->get_LangID(nullptr)},
      {"Font", o->get_Font(nullptr)},
      {"ColorText", o->get_ColorText(nullptr)},
      {"MouseModifier", o->get_MouseModifier(nullptr)},
      {"GetHkeyColl", o->GetHkeyColl(nullptr)},
      {"GetLastDictInfo DictID", o->GetLastDictInfo(nullptr, &value, &value)},
      {"GetLastDictInfo LangOut", o->GetLastDictInfo(&value, &value, nullptr)},
  };
  for (const Case& c : cases) EXPECT_EQ(Hr{c.hr}, Hr{E_POINTER}) << c.what;
}

}  // namespace
