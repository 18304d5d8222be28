#include "mousehook/tests/RealInput.h"

#include <algorithm>
#include <cstdlib>

#include "harness/ChildProcess.h"

namespace mousehook_test {

namespace {

constexpr DWORD kKeyStateMs = 5000;
constexpr DWORD kLookAgainMs = 20;

const wchar_t* XdotoolPath() {
  const wchar_t* path = _wgetenv(L"MORVEX_XDOTOOL");
  return path != nullptr && *path != 0 ? path : nullptr;
}

bool KeyIsDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool WaitForKeyState(int virtualKey, bool down) {
  return PumpUntil([=] { return KeyIsDown(virtualKey) == down; }, kKeyStateMs);
}

}  // namespace

bool XdotoolFound() {
  const wchar_t* xdotool = XdotoolPath();
  return xdotool != nullptr && GetFileAttributesW(xdotool) != INVALID_FILE_ATTRIBUTES;
}

bool StartXdotool(const std::wstring& arguments) {
  const wchar_t* xdotool = XdotoolPath();
  if (xdotool == nullptr) return false;
  std::wstring commandLine = harness::QuoteArgument(xdotool) + L" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  if (info.hThread != nullptr) CloseHandle(info.hThread);
  if (info.hProcess != nullptr) CloseHandle(info.hProcess);
  return true;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    // Asked before the pump: what was posted to this thread before `done`
    // held is handled by the time the answer is given.
    const bool finished = done();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (finished) return true;
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min(kLookAgainMs, timeoutMs - elapsed),
                              QS_ALLINPUT);
  }
}

HeldKey::HeldKey(const wchar_t* name, int virtualKey) : name_(name), virtualKey_(virtualKey) {
  pressed_ = StartXdotool(L"keydown " + name_);
  down_ = pressed_ && WaitForKeyState(virtualKey_, true);
}

bool HeldKey::Release() {
  if (!pressed_) return true;
  pressed_ = false;
  return StartXdotool(L"keyup " + name_) && WaitForKeyState(virtualKey_, false);
}

}  // namespace mousehook_test
