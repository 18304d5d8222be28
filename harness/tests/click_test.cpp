// A real click through SendInput, sent by the sendkeys program from a
// second process, reaches the child window under the point at the right
// client point, as a left, a right or a double click; a click sendkeys
// refuses sends nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <string>
#include <vector>

#include "harness/ChildProcess.h"
#include "harness/Console.h"
#include "harness/WindowTree.h"
#include "harness/tests/WindowThread.h"

namespace {

using harness_test::kNotingClass;
using harness_test::NotedMessage;
using harness_test::WindowThread;

constexpr DWORD kProgramTimeoutMs = 15000;
constexpr DWORD kArrivalMs = 5000;
constexpr int kPadWidth = 100, kPadHeight = 80;

struct ClickCase {
  const char* name;
  const wchar_t* flags;
  std::vector<UINT> messages;
};

// Each kind on a pad of its own: two left clicks on one window in quick
// succession would make a double click.
const ClickCase kClickCases[] = {
    {"Left", L"", {WM_LBUTTONDOWN, WM_LBUTTONUP}},
    {"Right", L" --right", {WM_RBUTTONDOWN, WM_RBUTTONUP}},
    {"Double", L" --double", {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
};
constexpr int kPads = sizeof kClickCases / sizeof kClickCases[0];

// A topmost popup with a row of pads, each a noting child window, so that
// no window of another test lies over them.
HWND BuildPads(HINSTANCE instance) {
  HWND top = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kNotingClass, L"Click target",
                             WS_POPUP | WS_VISIBLE, 200, 250, 420, 140, nullptr, nullptr, instance,
                             nullptr);
  for (int pad = 0; pad < kPads; ++pad) {
    CreateWindowExW(0, kNotingClass, L"", WS_CHILD | WS_VISIBLE, 20 + pad * 130, 30, kPadWidth,
                    kPadHeight, top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(pad + 1)),
                    instance, nullptr);
  }
  return top;
}

// The pad's centre on the screen, as a test from outside finds it.
POINT ScreenCentre(HWND top, int pad) {
  harness::WindowNode tree = harness::ReadWindowTree(top);
  const RECT& r = tree.children.at(pad).window;
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

DWORD RunClick(POINT at, const std::wstring& flags) {
  return harness::RunBeside(
             L"sendkeys.exe",
             L"click " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y) + flags,
             kProgramTimeoutMs)
      .exitCode;
}

void ExpectClicksAtCentre(const std::vector<NotedMessage>& noted, HWND pad,
                          const std::vector<UINT>& messages) {
  ASSERT_EQ(noted.size(), messages.size());
  for (size_t i = 0; i < noted.size(); ++i) {
    EXPECT_EQ(noted[i].window, pad) << i;
    EXPECT_EQ(noted[i].message, messages[i]) << i;
    EXPECT_EQ(GET_X_LPARAM(noted[i].lParam), kPadWidth / 2) << i;
    EXPECT_EQ(GET_Y_LPARAM(noted[i].lParam), kPadHeight / 2) << i;
  }
}

TEST(ClickTest, EachKindOfClickReachesThePadUnderThePointAtItsCentre) {
  WindowThread windows(BuildPads);
  for (int pad = 0; pad < kPads; ++pad) {
    const ClickCase& c = kClickCases[pad];
    SCOPED_TRACE(c.name);
    ASSERT_EQ(RunClick(ScreenCentre(windows.top(), pad), c.flags), 0u);
    ExpectClicksAtCentre(windows.WaitForNoted(c.messages.size(), kArrivalMs),
                         GetDlgItem(windows.top(), pad + 1), c.messages);
  }
}

TEST(ClickTest, RefusedClicksSendNothing) {
  WindowThread windows(BuildPads);
  POINT centre = ScreenCentre(windows.top(), 0);
  std::wstring x = std::to_wstring(centre.x), y = std::to_wstring(centre.y);
  for (const std::wstring& bad :
       {L"click " + x, L"click " + x + L" " + y + L"px", L"click " + x + L" " + y + L" --middle",
        L"click -100000 " + y, L"click " + x + L" 100000"}) {
    EXPECT_EQ(harness::RunBeside(L"sendkeys.exe", bad, kProgramTimeoutMs).exitCode, 2u)
        << harness::ToUtf8(bad);
  }
  // Whatever a refused click had sent would come before this one.
  ASSERT_EQ(RunClick(centre, L""), 0u);
  ExpectClicksAtCentre(windows.WaitForNoted(2, kArrivalMs), GetDlgItem(windows.top(), 1),
                       {WM_LBUTTONDOWN, WM_LBUTTONUP});
}

}  // namespace
