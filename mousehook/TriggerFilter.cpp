#include "mousehook/TriggerFilter.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "mousehook/HookSettings.h"
#include "mousehook/VelMouseHook.h"

namespace morvex::mousehook {

namespace {

WORD SignedWord(LONG value) {
  return static_cast<WORD>(static_cast<SHORT>(std::clamp<LONG>(value, SHRT_MIN, SHRT_MAX)));
}

bool KeyIsDown(BYTE virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool BelongsToOtherProcess(HWND window) {
  DWORD process = 0;
  return GetWindowThreadProcessId(window, &process) != 0 && process != GetCurrentProcessId();
}

}  // namespace

LPARAM PackPoint(POINT at) { return MAKELPARAM(SignedWord(at.x), SignedWord(at.y)); }

bool TriggerFilter::Take(WPARAM message, POINT at) {
  constexpr int kRight = static_cast<int>(TriggerButton::kRight);
  constexpr int kLeft = static_cast<int>(TriggerButton::kLeft);
  switch (message) {
    case WM_RBUTTONDOWN:
      return TakePress(kRight, at);
    case WM_LBUTTONDOWN:
      return TakePress(kLeft, at);
    case WM_RBUTTONUP:
      return std::exchange(releasePending_[kRight], false);
    case WM_LBUTTONUP:
      return std::exchange(releasePending_[kLeft], false);
    default:
      return false;
  }
}

bool TriggerFilter::TakePress(int button, POINT at) {
  // A press that passes ends whatever an earlier taken press left pending:
  // its window gets its own release.
  releasePending_[button] = false;
  Trigger trigger = CurrentTrigger();
  if (trigger.modifierKey == 0 || static_cast<int>(trigger.button) != button) return false;
  if (!KeyIsDown(trigger.modifierKey)) return false;
  HWND listener = Listener();
  if (listener == nullptr) return false;
  // No hit-test message is sent from here: the hook thread owns no window,
  // so a hung program under the cursor cannot stall the mouse.
  HWND under = WindowFromPoint(at);
  if (under == nullptr || !BelongsToOtherProcess(under)) return false;
  // A click nobody hears is not taken from its window.
  if (!PostMessageW(listener, kHookClickMessage, reinterpret_cast<WPARAM>(under), PackPoint(at))) {
    return false;
  }
  releasePending_[button] = true;
  return true;
}

}  // namespace morvex::mousehook
