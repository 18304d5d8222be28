// The tip under real pointer input (alone on the desktop): losing the
// focus hides the tip only while the pointer is away from it, and a real
// right click on the body asks the host for its menu once, with no menu of
// the rich edit's own.
#include <windows.h>

#include "QuickHintTestSupport.h"
#include "com/Automation.h"
#include "harness/MouseInput.h"

namespace morvex::quickhint::testing {
namespace {

POINT InsideOf(HWND window, int dx, int dy) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  return {bounds.left + dx, bounds.top + dy};
}

TEST_F(QuickHintTest, FocusLossHidesOnlyWithThePointerOutside) {
  ASSERT_EQ(Hr{control_->put_OutString(com::Bstr(L"house").Get(), 9)}, Hr{S_OK});
  HWND body = Body();
  // A window of the test's own to take the focus.
  HWND other = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 600, 500, 80, 20, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);

  struct Case {
    POINT pointer;
    size_t hides;
    const char* what;
  };
  const Case cases[] = {
      {InsideOf(tip_, 20, 40), 0, "the pointer over the tip"},
      {{640, 700}, 1, "the pointer elsewhere"},
  };
  for (const Case& each : cases) {
    events_.clear();
    SetFocus(body);
    ASSERT_EQ(GetFocus(), body) << each.what;
    ASSERT_TRUE(harness::MovePointer(each.pointer)) << each.what;
    ASSERT_TRUE(WaitFor([&] {
      POINT at = {};
      GetCursorPos(&at);
      return at.x == each.pointer.x && at.y == each.pointer.y;
    })) << each.what;
    SetFocus(other);
    com::testing::PumpPending();
    EXPECT_EQ(EventsOf(kNeedToHide).size(), each.hides) << each.what;
  }
  DestroyWindow(other);
}

TEST_F(QuickHintTest, RightClickOnTheBodyGivesOneMenuRequestAndNoMenu) {
  ASSERT_EQ(Hr{control_->put_OutString(com::Bstr(L"house home").Get(), 9)}, Hr{S_OK});
  const POINT at = InsideOf(Body(), 20, 6);
  ASSERT_TRUE(harness::SendClick({at, harness::MouseButton::kRight, false}));
  ASSERT_TRUE(WaitFor([&] { return !EventsOf(kNeedEditMenu).empty(); }));
  com::testing::PumpPending();
  ASSERT_EQ(EventsOf(kNeedEditMenu).size(), 1u);
  EXPECT_EQ(EventsOf(kNeedEditMenu)[0].arguments, (std::vector<long>{at.x, at.y}));
  HWND menu = FindWindowA("#32768", nullptr);
  EXPECT_TRUE(!menu || !IsWindowVisible(menu)) << "no menu of the rich edit's own";
}

}  // namespace
}  // namespace morvex::quickhint::testing
