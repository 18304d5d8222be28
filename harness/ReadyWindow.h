// The one window of a small program that tests start and look at from
// outside: a topmost popup at a known place, shown and painted before the
// program prints READY (so that a waiting test looks only once there is
// something to see), that ends on WM_CLOSE or after a minute, so that a
// failed test leaves nothing running.
//
// Used by the screenshot test's colour window and the mouse-hook tests'
// click counter.
//
//   ReadyWindow window = {L"MorvexColourWindow", L"Colour", kPlace, brush};
//   return harness::RunReadyWindow(window);
#pragma once

#include <windows.h>

namespace harness {

struct ReadyWindow {
  const wchar_t* className = nullptr;
  const wchar_t* title = nullptr;
  RECT place = {};  // screen pixels
  HBRUSH background = nullptr;
  DWORD extendedStyle = WS_EX_TOPMOST;
  // The program's own messages; null: the system's handling of everything
  // the window does not end on.
  WNDPROC procedure = nullptr;
};

// Registers the class (with no class styles: without CS_DBLCLKS two quick
// clicks stay two presses), shows the window, flushes its first paint, prints
// READY and runs the message loop to the window's end: 0, or 1 when the
// window cannot be made.
int RunReadyWindow(const ReadyWindow& window);

}  // namespace harness
