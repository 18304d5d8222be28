// The flat button's message table, driven by messages as the system sends
// them: Enter only while focused, Tab always, a double click as a second
// press, hover tracking with the capture, the capture taken by someone else,
// the focus lost, the cursor, the owner-draw style, and the icons it owns.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "FlatButtonTestResource.h"
#include "FlatButtonTestSupport.h"

namespace morvex::controls::testing {

namespace {

using FlatButtonMessageTest = FlatButtonTest;

bool IconAlive(HICON icon) {
  ICONINFO info = {};
  if (!GetIconInfo(icon, &info)) return false;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return true;
}

TEST_F(FlatButtonMessageTest, EnterCommandsOnlyWhileFocusedTabAlways) {
  Canvas canvas(60, 24, RGB(0, 0, 0));
  struct Step {
    const char* name;
    int drawState;  // -1: no draw before the key
    WPARAM key;
    std::vector<WORD> codes;
  };
  const Step steps[] = {
      {"Enter, never drawn focused", -1, VK_RETURN, {}},
      {"Tab, never drawn focused", -1, VK_TAB, {TABKEY_NOTIFY}},
      {"Enter after a focused draw", ODS_FOCUS, VK_RETURN, {BN_CLICKED}},
      {"Tab after a focused draw", ODS_FOCUS, VK_TAB, {TABKEY_NOTIFY}},
      {"another key after a focused draw", ODS_FOCUS, 'A', {}},
      {"Enter after an unfocused draw", 0, VK_RETURN, {}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.drawState >= 0) DrawInto(canvas, {60, 24}, static_cast<UINT>(step.drawState));
    TakeCommands();
    SendMessageA(buttonWindow_, WM_KEYUP, step.key, 0xC0000001);
    const std::vector<Command> commands = TakeCommands();
    ASSERT_EQ(commands.size(), step.codes.size());
    for (size_t i = 0; i < commands.size(); ++i) {
      EXPECT_EQ(commands[i].id, kButtonId);
      EXPECT_EQ(commands[i].code, step.codes[i]);
      EXPECT_EQ(commands[i].sender, buttonWindow_);
    }
  }
}

TEST_F(FlatButtonMessageTest, DoubleClickIsASecondPressNeverADoubleClickNotification) {
  const LPARAM inside = MAKELPARAM(10, 10);
  SendMessageA(buttonWindow_, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageA(buttonWindow_, WM_LBUTTONUP, 0, inside);
  EXPECT_EQ(SendMessageA(buttonWindow_, WM_LBUTTONDBLCLK, MK_LBUTTON, inside), 0);
  SendMessageA(buttonWindow_, WM_LBUTTONUP, 0, inside);
  int clicks = 0;
  for (const Command& command : TakeCommands()) {
    EXPECT_NE(command.code, BN_DOUBLECLICKED);
    if (command.code == BN_CLICKED && command.id == kButtonId) ++clicks;
  }
  EXPECT_EQ(clicks, 2);
}

TEST_F(FlatButtonMessageTest, HoverTakesTheCaptureAndLeavingGivesItBack) {
  Hover(10, 10);
  EXPECT_TRUE(button_->hot());
  EXPECT_EQ(GetCapture(), buttonWindow_);
  Hover(20, 12);  // still inside: nothing changes
  EXPECT_TRUE(button_->hot());
  EXPECT_EQ(GetCapture(), buttonWindow_);
  Hover(-5, 12);
  EXPECT_FALSE(button_->hot());
  EXPECT_EQ(GetCapture(), nullptr);

  // Leaving with the left button down (a press held) keeps the capture.
  Hover(10, 10);
  ASSERT_TRUE(button_->hot());
  Hover(70, 12, MK_LBUTTON);
  EXPECT_FALSE(button_->hot());
  EXPECT_EQ(GetCapture(), buttonWindow_);

  // A move with the button down onto a button that is not hot is not hover.
  ReleaseCapture();
  Hover(10, 10, MK_LBUTTON);
  EXPECT_FALSE(button_->hot());
  EXPECT_EQ(GetCapture(), nullptr);

  // The classic face does not track.
  button_->look().flat = false;
  Hover(10, 10);
  EXPECT_FALSE(button_->hot());
}

TEST_F(FlatButtonMessageTest, CaptureTakenElsewhereEndsHotAndStaysWithTheNewOwner) {
  // A menu opened from the hot button tracks with the capture: the button
  // lets go of its hot look and leaves that capture alone.
  Hover(10, 10);
  ASSERT_TRUE(button_->hot());
  SetCapture(parent_);
  EXPECT_FALSE(button_->hot());
  EXPECT_EQ(GetCapture(), parent_);
}

TEST_F(FlatButtonMessageTest, LosingTheFocusEndsHot) {
  Hover(10, 10);
  ASSERT_TRUE(button_->hot());
  SendMessageA(buttonWindow_, WM_KILLFOCUS, 0, 0);
  EXPECT_FALSE(button_->hot());
}

TEST_F(FlatButtonMessageTest, ArrowPressLastsUntilTheRelease) {
  Canvas canvas(60, 24, RGB(0, 0, 0));
  DrawInto(canvas, {60, 24}, 0);
  EXPECT_EQ(button_->arrowWidth(), 12);
  button_->look().dropArrow = true;
  SendMessageA(buttonWindow_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(47, 5));
  EXPECT_FALSE(button_->arrowPressed());
  SendMessageA(buttonWindow_, WM_LBUTTONUP, 0, MAKELPARAM(47, 5));
  SendMessageA(buttonWindow_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(48, 5));
  EXPECT_TRUE(button_->arrowPressed());
  SendMessageA(buttonWindow_, WM_LBUTTONUP, 0, MAKELPARAM(48, 5));
  EXPECT_FALSE(button_->arrowPressed());

  // A narrow button's arrow part is 10 wide.
  MakeButton(BS_PUSHBUTTON, 40, 24);
  Canvas narrow(40, 24, RGB(0, 0, 0));
  DrawInto(narrow, {40, 24}, 0);
  EXPECT_EQ(button_->arrowWidth(), 10);
}

TEST_F(FlatButtonMessageTest, HoverCursorIsACopyTheButtonOwns) {
  HCURSOR shared = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
  ASSERT_NE(shared, nullptr);
  button_->SetHoverCursor(shared);
  EXPECT_EQ(SendMessageA(buttonWindow_, WM_SETCURSOR, reinterpret_cast<WPARAM>(buttonWindow_),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_NE(GetCursor(), nullptr);
  button_.reset();
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(shared, &info)) << "the shared cursor was destroyed";
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

TEST_F(FlatButtonMessageTest, AttachMakesAnyButtonTypeOwnerDrawn) {
  for (DWORD type : {BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_RADIOBUTTON, BS_AUTOCHECKBOX}) {
    SCOPED_TRACE(type);
    MakeButton(type | WS_TABSTOP | BS_NOTIFY, 60, 24);
    const LONG_PTR style = GetWindowLongPtrA(buttonWindow_, GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_TRUE(style & BS_NOTIFY);
  }
  FlatButton second;
  EXPECT_FALSE(second.Attach(buttonWindow_)) << "one object per window";
  EXPECT_FALSE(second.Attach(nullptr));
}

int g_destroyed = 0;
BOOL WINAPI CountingDestroy(HICON) {
  ++g_destroyed;
  return TRUE;
}

TEST(ButtonIconsTest, AnIconServingBothStatesIsFreedOnce) {
  HICON one = reinterpret_cast<HICON>(0x1001);
  HICON two = reinterpret_cast<HICON>(0x1002);
  struct Case {
    HICON hot;
    HICON cold;
    HICON coldSeen;
    int freed;
  };
  for (const Case& c : {Case{one, nullptr, one, 1}, Case{one, one, one, 1}, Case{one, two, two, 2},
                        Case{nullptr, nullptr, nullptr, 0}}) {
    g_destroyed = 0;
    {
      ButtonIcons icons(CountingDestroy);
      icons.Adopt(c.hot, c.cold);
      EXPECT_EQ(icons.hot(), c.hot);
      EXPECT_EQ(icons.cold(), c.coldSeen);
    }
    EXPECT_EQ(g_destroyed, c.freed);
  }
  g_destroyed = 0;
  ButtonIcons icons(CountingDestroy);
  icons.Adopt(one, two);
  icons.Adopt(two, nullptr);  // the pair before goes first
  EXPECT_EQ(g_destroyed, 2);
}

TEST_F(FlatButtonMessageTest, LoadedAndCopiedIconsAreTheButtonsOwnAndGoWithIt) {
  ASSERT_TRUE(button_->LoadIcons(IDI_TEST_HOT, 0, 16, 16));
  HICON loaded = button_->hotIcon();
  EXPECT_EQ(button_->coldIcon(), loaded);
  ASSERT_TRUE(button_->LoadIcons(IDI_TEST_HOT, IDI_TEST_COLD, 16 + 256, 16));
  EXPECT_FALSE(IconAlive(loaded)) << "replaced icons are freed";
  EXPECT_NE(button_->coldIcon(), button_->hotIcon());
  EXPECT_FALSE(button_->LoadIcons(999, 0, 16, 16));

  HICON mine = static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TEST_COLD), IMAGE_ICON, 16, 16, 0));
  ASSERT_TRUE(button_->SetIcons(mine, nullptr, 16, 16));
  HICON copy = button_->hotIcon();
  EXPECT_NE(copy, mine);
  EXPECT_EQ(button_->coldIcon(), copy);
  button_.reset();
  EXPECT_FALSE(IconAlive(copy));
  EXPECT_TRUE(IconAlive(mine)) << "the caller's icon stays the caller's";
  DestroyIcon(mine);
}

}  // namespace

}  // namespace morvex::controls::testing
