// A hot key registered here fires when the sendkeys program, a second
// process, presses its combination through SendInput, and only then.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/ChildProcess.h"

namespace {

// Each step registers the combination under an id of its own, so that a hot
// key that arrives late still names the step that sent it.
constexpr int kRefusedListId = 0x5A11;
constexpr int kMissingModifierId = 0x5A12;
constexpr int kCombinationId = 0x5A13;
constexpr UINT kModifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
constexpr DWORD kProgramTimeoutMs = 15000;
// Long enough for a key event to pass through the server and back.
constexpr DWORD kQuietMs = 400;
constexpr DWORD kArrivalMs = 5000;

DWORD RunSendKeys(const std::wstring& arguments) {
  return harness::RunBeside(L"sendkeys.exe", arguments, kProgramTimeoutMs).exitCode;
}

// Pumps the thread's messages for up to timeoutMs; true on a WM_HOTKEY of
// any id, whose id and lParam are then stored.
bool WaitForHotKey(DWORD timeoutMs, WPARAM* id, LPARAM* keys) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_HOTKEY) {
        *id = message.wParam;
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
  WPARAM id = 0;
  LPARAM keys = 0;

  ASSERT_TRUE(RegisterHotKey(owner, kRefusedListId, kModifiers, VK_F9)) << GetLastError();
  EXPECT_EQ(RunSendKeys(L"ctrl+alt+shift+f9 ctrl+bogus"), 2u);
  EXPECT_FALSE(WaitForHotKey(kQuietMs, &id, &keys)) << "a refused list must send nothing";
  UnregisterHotKey(owner, kRefusedListId);

  ASSERT_TRUE(RegisterHotKey(owner, kMissingModifierId, kModifiers, VK_F9)) << GetLastError();
  EXPECT_EQ(RunSendKeys(L"ctrl+alt+f9"), 0u);
  EXPECT_FALSE(WaitForHotKey(kQuietMs, &id, &keys)) << "a missing modifier must not fire";
  UnregisterHotKey(owner, kMissingModifierId);

  ASSERT_TRUE(RegisterHotKey(owner, kCombinationId, kModifiers, VK_F9)) << GetLastError();
  EXPECT_EQ(RunSendKeys(L"ctrl+alt+shift+f9"), 0u);
  ASSERT_TRUE(WaitForHotKey(kArrivalMs, &id, &keys));
  EXPECT_EQ(id, static_cast<WPARAM>(kCombinationId)) << "an earlier step's hot key came late";
  EXPECT_EQ(LOWORD(keys), kModifiers);
  EXPECT_EQ(HIWORD(keys), VK_F9);
  // And it came once: nothing follows it.
  EXPECT_FALSE(WaitForHotKey(kQuietMs, &id, &keys)) << "another hot key, id " << id;

  UnregisterHotKey(owner, kCombinationId);
  DestroyWindow(owner);
}

}  // namespace
