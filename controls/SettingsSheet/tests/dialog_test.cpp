// The settings dialog as the host runs it: InvokeDialog with the values put
// before, the user's changes in the dialog, and what the host reads back
// after each way of ending it; the events the host hears and when.
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <functional>
#include <string>

#include "FontPoints.h"
#include "SettingsSheetResource.h"
#include "SettingsSheetTestSupport.h"
#include "com/Automation.h"

namespace morvex::settingssheet::testing {

namespace {

constexpr DISPID kOnClose = 1;
constexpr DISPID kNeedToChangeResourse = 3;

WORD HotKeyOf(HWND field) { return LOWORD(SendMessageW(field, HKM_GETHOTKEY, 0, 0)); }

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

// Types a plain key into a hot-key field, as the keyboard does.
void Type(HWND field, WPARAM key) {
  SendMessageW(field, WM_KEYDOWN, key, 1);
  SendMessageW(field, WM_KEYUP, key, 0xC0000001);
}

TEST(FontPointsTest, HeightsBecomeWholePointsWithHalvesUp) {
  struct Case {
    long height;
    int perInch;
    long points;
  };
  const Case cases[] = {{-11, 96, 8}, {-12, 96, 9}, {-10, 96, 8}, {-11, 120, 7}, {-8, 0, 8}};
  for (const Case& c : cases)
    EXPECT_EQ(PointsOfHeight(c.height, c.perInch), c.points) << c.height << " at " << c.perInch;
}

TEST_F(SettingsSheetTest, ATypedLetterBecomesCtrlAltAndOkReturnsItAfterOnClose) {
  long heardAtClose = -1;
  sink_->On(kOnClose, [&](com::EventArguments& args) {
    events_.push_back({kOnClose, args.Long(0), 0});
    control_->get_HKQuickTip(&heardAtClose);
  });
  WORD shown[2] = {};
  const long code = RunDialog({
      {[this] { return Dialog() != nullptr; },
       [&] {
         shown[0] = HotKeyOf(Item(IDC_HOTKEY_QUICKTIP));
         shown[1] = HotKeyOf(Item(IDC_HOTKEY_DICTIONARY));
         Type(Item(IDC_HOTKEY_QUICKTIP), 'A');
       }},
      PressOk(),
  });
  EXPECT_EQ(code, 1);
  EXPECT_EQ(shown[0], 0x0653);
  EXPECT_EQ(shown[1], 0x0658);
  long quickTip = 0, dictionary = 0;
  control_->get_HKQuickTip(&quickTip);
  control_->get_HKDictionary(&dictionary);
  EXPECT_EQ(quickTip, 0x0641);
  EXPECT_EQ(dictionary, 0x0658);
  EXPECT_EQ(heardAtClose, 0x0653) << "OnClose(1) comes before the fields are read";
  ASSERT_EQ(events_.size(), 1u);
  EXPECT_EQ(events_[0].first, 1);
}

TEST_F(SettingsSheetTest, OkWithClearedFieldsReturnsNoHotKeys) {
  const long code = RunDialog({
      {[this] { return Dialog() != nullptr; },
       [this] {
         for (int id : {IDC_HOTKEY_QUICKTIP, IDC_HOTKEY_DICTIONARY})
           SendMessageW(Item(id), HKM_SETHOTKEY, 0, 0);
       }},
      PressOk(),
  });
  EXPECT_EQ(code, 1);
  long quickTip = -1, dictionary = -1;
  control_->get_HKQuickTip(&quickTip);
  control_->get_HKDictionary(&dictionary);
  EXPECT_EQ(quickTip, 0);
  EXPECT_EQ(dictionary, 0);
}

TEST_F(SettingsSheetTest, CancelEscapeAndTheCloseBoxEndWithTwoAndReadNothing) {
  struct Case {
    const char* name;
    std::function<void(HWND)> end;
  };
  const Case cases[] = {
      {"Cancel",
       [](HWND dialog) {
         SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_CANCEL, BN_CLICKED),
                      reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_BUTTON_CANCEL)));
       }},
      {"Escape",
       [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }},
      {"close box", [](HWND dialog) { SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Case& c : cases) {
    events_.clear();
    const long code = RunDialog({
        {[this] { return Dialog() != nullptr; }, [this] { Type(Item(IDC_HOTKEY_QUICKTIP), 'B'); }},
        {nullptr, [&] { c.end(Dialog()); }},
    });
    EXPECT_EQ(code, 2) << c.name;
    long quickTip = 0;
    control_->get_HKQuickTip(&quickTip);
    EXPECT_EQ(quickTip, 0x0653) << c.name;
    ASSERT_EQ(events_.size(), 1u) << c.name;
    EXPECT_EQ(events_[0].id, kOnClose);
    EXPECT_EQ(events_[0].first, 2) << c.name;
  }
}

TEST_F(SettingsSheetTest, EndDialogUserEndsWithOneSilentlyAndOnlyWhileRunning) {
  EXPECT_EQ(Hr{control_->EndDialogUser()}, Hr{S_OK});
  const long code = RunDialog({
      {[this] { return Dialog() != nullptr; },
       [this] {
         Type(Item(IDC_HOTKEY_QUICKTIP), 'C');
         control_->EndDialogUser();
       }},
  });
  EXPECT_EQ(code, 1);
  EXPECT_TRUE(events_.empty());
  long quickTip = 0;
  control_->get_HKQuickTip(&quickTip);
  EXPECT_EQ(quickTip, 0x0653) << "the fields are not read back";
}

TEST_F(SettingsSheetTest, TextsWaitInTheirSlotsOrReachTheOpenDialog) {
  com::Bstr caption(L"\x041d\x0430\x0441\x0442\x0440\x043e\x0439\x043a\x0438");  // Настройки
  com::Bstr ignored(L"nowhere");
  ASSERT_EQ(Hr{control_->put_DlgItemText(11, caption.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_DlgItemText(12, ignored.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_DlgItemText(-1, ignored.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_DlgItemText(0, com::Bstr(L"Font").Get())}, Hr{S_OK});
  std::string seen[3];
  RunDialog({
      {[this] { return Dialog() != nullptr; },
       [&] {
         seen[0] = TextOf(Dialog());
         seen[1] = TextOf(Item(IDC_GROUP_FONT));
         control_->put_DlgItemText(7, com::Bstr(L"Russian").Get());
         seen[2] = TextOf(Item(IDC_LANGUAGE_NAME));
       }},
      PressOk(),
  });
  EXPECT_EQ(seen[0], "\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8");
  EXPECT_EQ(seen[1], "Font");
  EXPECT_EQ(seen[2], "Russian");
}

TEST_F(SettingsSheetTest, TheLanguageButtonAsksForTheMenuAtItsLowerLeftCorner) {
  RECT button = {};
  RunDialog({
      {[this] { return Dialog() != nullptr; },
       [&] {
         GetWindowRect(Item(IDC_BUTTON_LANGUAGE), &button);
         Click(IDC_BUTTON_LANGUAGE);
       }},
      PressOk(),
  });
  ASSERT_EQ(events_.size(), 2u);
  EXPECT_EQ(events_[0].id, kNeedToChangeResourse);
  EXPECT_EQ(events_[0].first, button.left);
  EXPECT_EQ(events_[0].second, button.bottom);
}

TEST_F(SettingsSheetTest, TheAnimationBoxIsCheckedOnlyForOneAndAClickMakesItOne) {
  ASSERT_EQ(Hr{control_->put_ChkTip(2)}, Hr{S_OK});
  UINT state = 99;
  RunDialog({
      {[this] { return Dialog() != nullptr; },
       [&] {
         state = IsDlgButtonChecked(Dialog(), IDC_CHECK_ANIMATION);
         SendMessageW(Item(IDC_CHECK_ANIMATION), BM_CLICK, 0, 0);
       }},
      PressOk(),
  });
  EXPECT_EQ(state, static_cast<UINT>(BST_UNCHECKED));
  long value = 0;
  control_->get_ChkTip(&value);
  EXPECT_EQ(value, 1);
}

TEST_F(SettingsSheetTest, TheTriggerKeyAndMouseButtonSurviveOk) {
  struct Case {
    long put;
    long got;
  };
  for (const Case& c : {Case{16, 16}, Case{0, 16}, Case{17, 17}, Case{18, 18}, Case{99, 16}}) {
    control_->put_MouseVirtKey(c.put);
    long key = 0;
    control_->get_MouseVirtKey(&key);
    EXPECT_EQ(key, c.got) << c.put;
  }
  ASSERT_EQ(Hr{control_->put_MouseButton(1)}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->put_MouseVirtKey(18)}, Hr{S_OK});
  EXPECT_EQ(RunDialog({PressOk()}), 1);
  long button = 0, key = 0;
  control_->get_MouseButton(&button);
  control_->get_MouseVirtKey(&key);
  EXPECT_EQ(button, 1);
  EXPECT_EQ(key, 18);
  control_->put_MouseButton(7);
  control_->get_MouseButton(&button);
  EXPECT_EQ(button, 0);
}

TEST_F(SettingsSheetTest, TextFontReportsTheDefaultFontAndRefusesNullPointers) {
  OLE_COLOR colour = 1;
  com::Ptr<IFontDisp> font;
  ASSERT_EQ(Hr{control_->get_TextFont(&colour, font.Put())}, Hr{S_OK});
  EXPECT_EQ(colour, 0u);
  com::Ptr<IFont> face;
  ASSERT_EQ(Hr{font->QueryInterface(IID_IFont, face.PutVoid())}, Hr{S_OK});
  // Wine's font object reports the realised face and height, so the face
  // and points the control gave are checked through the rounding table.
  SHORT weight = 0, charset = 0;
  face->get_Weight(&weight);
  face->get_Charset(&charset);
  EXPECT_EQ(weight, FW_NORMAL);
  EXPECT_EQ(charset, RUSSIAN_CHARSET);
  OLE_COLOR red = 0x0000FF;
  EXPECT_EQ(Hr{control_->put_TextFont(nullptr, font.Get())}, Hr{E_POINTER});
  EXPECT_EQ(Hr{control_->put_TextFont(&red, nullptr)}, Hr{E_POINTER});
  ASSERT_EQ(Hr{control_->put_TextFont(&red, font.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{control_->get_TextFont(&colour, nullptr)}, Hr{S_OK});
  EXPECT_EQ(colour, 0x0000FFu);
}

TEST_F(SettingsSheetTest, AMnemonicOpensItsColourDialogAndResetGivesTheSystemColours) {
  // The Interface item's key is B: its caption's letter on a Russian keyboard.
  bool opened = false;
  const long code = RunDialog({
      {[this] { return Dialog() != nullptr; },
       [this] {
         SetFocus(Item(IDC_COLOR_WELL));
         PostMessageW(Item(IDC_COLOR_WELL), WM_KEYUP, 'B', 0xC0000001);
       }},
      {[this] { return InnerDialog() != nullptr; },
       [&] {
         opened = true;
         PostMessageW(InnerDialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
       }},
      {[this] { return InnerDialog() == nullptr; }, [this] { Click(IDC_BUTTON_RESET); }},
      PressOk(),
  });
  EXPECT_EQ(code, 1);
  EXPECT_TRUE(opened);
  OLE_COLOR colours[3] = {};
  control_->get_InterfaceColor(&colours[0]);
  control_->get_TitleColor(&colours[1]);
  control_->get_ControlColor(&colours[2]);
  EXPECT_EQ(colours[0], GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(colours[1], GetSysColor(COLOR_INACTIVECAPTION));
  EXPECT_EQ(colours[2], GetSysColor(COLOR_WINDOW));
  OLE_COLOR text = 1;
  control_->get_TextFont(&text, nullptr);
  EXPECT_EQ(text, GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(SettingsSheetTest, ACaptionFromTheHostBringsItsMnemonicLowerCaseKeysRaised) {
  ASSERT_EQ(Hr{control_->put_TitleBmpTitle(com::Bstr(L"&Quick").Get(), 'q')}, Hr{S_OK});
  bool opened = false;
  const long code = RunDialog({
      {[this] { return Dialog() != nullptr; },
       [this] {
         SetFocus(Item(IDC_COLOR_WELL));
         PostMessageW(Item(IDC_COLOR_WELL), WM_KEYUP, 'Q', 0xC0000001);
       }},
      {[this] { return InnerDialog() != nullptr; },
       [&] {
         opened = true;
         PostMessageW(InnerDialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
       }},
      {[this] { return InnerDialog() == nullptr; }, [this] { Click(IDC_BUTTON_CANCEL); }},
  });
  EXPECT_EQ(code, 2);
  EXPECT_TRUE(opened);
}

TEST_F(SettingsSheetTest, TheDialogSizeIsTheTemplatesInPixels) {
  long cx = 0, cy = 0;
  ASSERT_EQ(Hr{control_->GetDialogSize(&cx, &cy)}, Hr{S_OK});
  RECT client = {};
  RunDialog({{[this] { return Dialog() != nullptr; }, [&] { GetClientRect(Dialog(), &client); }},
             PressOk()});
  // The system's units come from the same font; its rounding may differ by
  // a unit's part.
  EXPECT_NEAR(cx, client.right, client.right / 20);
  EXPECT_NEAR(cy, client.bottom, client.bottom / 20);
}

TEST_F(SettingsSheetTest, TheFontButtonOpensTheFontDialog) {
  std::string title;
  const long code = RunDialog({
      {[this] { return Dialog() != nullptr; },
       [this] {
         PostMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_BUTTON_FONT, BN_CLICKED),
                      reinterpret_cast<LPARAM>(Item(IDC_BUTTON_FONT)));
       }},
      {[this] { return InnerDialog() != nullptr; },
       [&] {
         title = TextOf(InnerDialog());
         PostMessageW(InnerDialog(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
       }},
      {[this] { return InnerDialog() == nullptr; }, [this] { Click(IDC_BUTTON_CANCEL); }},
  });
  EXPECT_EQ(code, 2);
  EXPECT_FALSE(title.empty());
}

}  // namespace

}  // namespace morvex::settingssheet::testing
