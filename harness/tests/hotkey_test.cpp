// A hot key registered here fires when the sendkeys program, a second
// process, presses its combination through SendInput, and only then.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/ChildProcess.h"

namespace {

constexpr int kHotKeyId = 0x5A11;
constexpr DWORD kProgramTimeoutMs = 15000;
// Long enough for a key event to pass through the server and back.
constexpr DWORD kQuietMs = 400;
constexpr DWORD kArrivalMs = 5000;

DWORD RunSendKeys(const std::wstring& arguments) {
  harness::ChildProcess sendkeys;
  EXPECT_TRUE(sendkeys.Start(harness::QuoteArgument(harness::ProgramBeside(L"sendkeys.exe")) +
                             L" " + arguments));
  EXPECT_TRUE(sendkeys.Wait(kProgramTimeoutMs));
  return sendkeys.ExitCode();
}

// Pumps the thread's messages for up to timeoutMs; true on WM_HOTKEY, whose
// lParam is then stored.
bool WaitForHotKey(DWORD timeoutMs, LPARAM* keys) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_HOTKEY && message.wParam == kHotKeyId) {
        *keys = message.lParam;
        return true;
      }
      DispatchMessageW(&message);
    }
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
  }
}

TEST(HotKeyTest, SendKeysFiresExactlyTheRegisteredCombination) {
  // Hidden and without focus: what the dictionary's hot-key owner is.
  HWND owner = CreateWindowExW(0, L"STATIC", L"hot-key owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  ASSERT_TRUE(RegisterHotKey(owner, kHotKeyId, MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F9))
      << GetLastError();
  LPARAM keys = 0;

  EXPECT_EQ(RunSendKeys(L"ctrl+alt+shift+f9 ctrl+bogus"), 2u);
  EXPECT_FALSE(WaitForHotKey(kQuietMs, &keys)) << "a refused list must send nothing";

  EXPECT_EQ(RunSendKeys(L"ctrl+alt+f9"), 0u);
  EXPECT_FALSE(WaitForHotKey(kQuietMs, &keys)) << "a missing modifier must not fire";

  EXPECT_EQ(RunSendKeys(L"ctrl+alt+shift+f9"), 0u);
  ASSERT_TRUE(WaitForHotKey(kArrivalMs, &keys));
  EXPECT_EQ(LOWORD(keys), MOD_CONTROL | MOD_ALT | MOD_SHIFT);
  EXPECT_EQ(HIWORD(keys), VK_F9);

  UnregisterHotKey(owner, kHotKeyId);
  DestroyWindow(owner);
}

}  // namespace
