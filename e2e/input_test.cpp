// The installed program under a user's real keys and clicks, pressed by
// xdotool on the session's display: Alt+Space opens no system menu and
// Escape hides the focused window; the mouse trigger is taken from another
// program's window only while the program runs, and it is the one the
// options name.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "mousehook/tests/CounterProcess.h"
#include "mousehook/tests/RealInput.h"

namespace morvex::e2e {

namespace {

using mousehook_test::CounterCentre;
using mousehook_test::CounterProcess;
using mousehook_test::HeldKey;
using mousehook_test::kXLeftButton;
using mousehook_test::kXMiddleButton;
using mousehook_test::kXRightButton;
using mousehook_test::StartXdotool;

std::wstring Number(long value) { return std::to_wstring(value); }

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mousehook_test::XdotoolFound());
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
  }
};

// The window is brought up and focused as a user does it: a second start,
// then a click into it.
TEST_F(InputTest, AltSpaceOpensNoMenuAndEscapeHidesTheFocusedWindow) {
  ForgetOptions();
  InstalledProgram program, second;
  ASSERT_TRUE(program.Start());
  HWND window = program.WaitForMainWindow(kStartTimeoutMs);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(second.Start());
  DWORD exitCode = 1;
  ASSERT_TRUE(second.WaitForExit(kStartTimeoutMs, &exitCode));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, kReactionTimeoutMs));
  RECT rect = {};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  ASSERT_TRUE(StartXdotool(L"mousemove " + Number((rect.left + rect.right) / 2) + L" " +
                           Number((rect.top + rect.bottom) / 2) + L" click " +
                           Number(kXLeftButton)));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }, kReactionTimeoutMs));

  // Were a system menu open, the Escape would close the menu, not the window.
  ASSERT_TRUE(StartXdotool(L"key alt+space Escape"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, kReactionTimeoutMs));
  EXPECT_EQ(FindMainWindow(), window) << "hidden, not ended";
}

// The trigger step on the counter, then a middle click that marks when the
// counter has seen what it will see of it.
bool ClickOnCounter(const CounterProcess& counter, const wchar_t* key, int virtualKey, int button) {
  const POINT at = CounterCentre();
  const LRESULT marks = counter.Count(WM_MBUTTONUP);
  HeldKey held(key, virtualKey);
  if (!held.down()) return false;
  return StartXdotool(L"mousemove " + Number(at.x) + L" " + Number(at.y) + L" click " +
                      Number(button) + L" click " + Number(kXMiddleButton)) &&
         WaitUntil([&] { return counter.Count(WM_MBUTTONUP) > marks; }, kReactionTimeoutMs);
}

struct TriggerCase {
  const char* name;
  long modifier, mouseKey;  // stored in the options
  const wchar_t* key;       // xdotool's name of the key held over the click
  int virtualKey;
  int button;  // xdotool's
  UINT pressMessage;
  bool taken;  // while the program runs
};

class TriggerTest : public InputTest, public ::testing::WithParamInterface<TriggerCase> {};

TEST_P(TriggerTest, TheStoredTriggerIsTakenWhileTheProgramRunsAndPassesAfterIt) {
  const TriggerCase& c = GetParam();
  StoreOptions({{100, 120, 700, 560}, 1033, c.modifier, c.mouseKey});
  CounterProcess counter;
  ASSERT_NE(counter.window(), nullptr);
  {
    InstalledProgram program;
    ASSERT_TRUE(program.Start());
    ASSERT_NE(program.WaitForMainWindow(kStartTimeoutMs), nullptr);
    const LRESULT before = counter.Count(c.pressMessage);
    ASSERT_TRUE(ClickOnCounter(counter, c.key, c.virtualKey, c.button));
    EXPECT_EQ(counter.Count(c.pressMessage) - before, c.taken ? 0 : 1) << "while it runs";
    program.CloseFromOutside();
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
  }
  const LRESULT before = counter.Count(c.pressMessage);
  ASSERT_TRUE(ClickOnCounter(counter, c.key, c.virtualKey, c.button));
  EXPECT_EQ(counter.Count(c.pressMessage) - before, 1) << "after the program ended";
}

const TriggerCase kTriggerCases[] = {
    {"ShiftRightByDefault", VK_SHIFT, 0, L"shift", VK_SHIFT, kXRightButton, WM_RBUTTONDOWN, true},
    {"CtrlLeftWhenStored", VK_CONTROL, 1, L"ctrl", VK_CONTROL, kXLeftButton, WM_LBUTTONDOWN, true},
    {"ShiftRightNotWhenCtrlLeftIsStored", VK_CONTROL, 1, L"shift", VK_SHIFT, kXRightButton,
     WM_RBUTTONDOWN, false},
};

INSTANTIATE_TEST_SUITE_P(Triggers, TriggerTest, ::testing::ValuesIn(kTriggerCases),
                         [](const ::testing::TestParamInfo<TriggerCase>& info) {
                           return std::string(info.param.name);
                         });

// The popup translation from a user's real input on a word in another
// program's edit field: the default trigger (Shift and the right button)
// puts the tip at the click, pulled back onto the screen near its corner;
// the hot key typed on the X keyboard centres it on the program.
class RealInputPopupTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    ForgetOptions();
    ASSERT_TRUE(program_.Start());
    ASSERT_NE(program_.WaitForMainWindow(kStartTimeoutMs), nullptr);
  }
  void TearDown() override {
    program_.CloseFromOutside();
    DWORD exitCode = 1;
    EXPECT_TRUE(program_.WaitForExit(kExitTimeoutMs, &exitCode));
  }

  // Shift held over a right click at the point.
  static bool ShiftRightClick(POINT at) {
    HeldKey shift(L"shift", VK_SHIFT);
    return shift.down() && StartXdotool(L"mousemove " + Number(at.x) + L" " + Number(at.y) +
                                        L" click " + Number(kXRightButton));
  }

  InstalledProgram program_;
};

POINT CentreOfEditIn(HWND frame) {
  HWND edit = FindWindowExW(frame, nullptr, L"Edit", nullptr);
  RECT r = {};
  GetWindowRect(edit, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(RealInputPopupTest, ShiftRightClickOnAWordPutsTheTipAtTheClick) {
  Target target(L"edit", L"dictionary");
  ASSERT_NE(target.window(), nullptr);
  const POINT at = CentreOfEditIn(target.window());
  ASSERT_TRUE(ShiftRightClick(at));
  Tip tip;
  ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "no tip";
  EXPECT_EQ(tip.header, L"dictionary");
  EXPECT_EQ(tip.place.left, at.x);
  EXPECT_EQ(tip.place.top, at.y);
}

TEST_F(RealInputPopupTest, NearTheScreensCornerTheTipIsPulledBackOntoIt) {
  Target target(L"edit", L"dictionary");
  ASSERT_NE(target.window(), nullptr);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  RECT frame = {};
  GetWindowRect(target.window(), &frame);
  const POINT edit = CentreOfEditIn(target.window());
  // The edit field's centre 20 pixels from the bottom-right corner.
  const int dx = screenWidth - 20 - edit.x, dy = screenHeight - 20 - edit.y;
  SetWindowPos(target.window(), nullptr, frame.left + dx, frame.top + dy, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil([&] { return CentreOfEditIn(target.window()).x == edit.x + dx; },
                        kReactionTimeoutMs));
  ASSERT_TRUE(ShiftRightClick(CentreOfEditIn(target.window())));
  Tip tip;
  ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "no tip";
  EXPECT_EQ(tip.place.right, screenWidth);
  EXPECT_EQ(tip.place.bottom, screenHeight);
}

TEST_F(RealInputPopupTest, TheHotKeyTypedOnTheKeyboardTranslatesTheSelection) {
  Target target(L"edit", L"dictionary");
  ASSERT_NE(target.window(), nullptr);
  // The X focus on the program's window, as after a user's click into it.
  const POINT at = CentreOfEditIn(target.window());
  ASSERT_TRUE(StartXdotool(L"mousemove " + Number(at.x) + L" " + Number(at.y) + L" click " +
                           Number(kXLeftButton) + L" key ctrl+a ctrl+alt+s"));
  Tip tip;
  ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "no tip";
  EXPECT_EQ(tip.header, L"dictionary");
  EXPECT_NE(tip.body.find(L"словарь"), std::wstring::npos);
}

}  // namespace

}  // namespace morvex::e2e
