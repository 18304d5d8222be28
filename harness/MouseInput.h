// Moving the pointer and clicking at a point of the screen through
// SendInput, as a user's mouse does: the pointer moves there, then (for a
// click) the button goes down and up. The input reaches whatever window
// lies under the point, in any process.
//
// Used by the sendkeys program ("sendkeys click X Y") and by test programs
// that hover over and click controls themselves.
#pragma once

#include <windows.h>

namespace harness {

enum class MouseButton { kLeft, kRight };

struct MouseClick {
  POINT at = {};  // screen pixels
  MouseButton button = MouseButton::kLeft;
  bool twice = false;  // a double click
};

// True when the point lies within the virtual screen, the rectangle around
// every monitor, where SendInput can aim.
bool OnVirtualScreen(POINT point);

// Moves the pointer to `to` without pressing anything, and returns once the
// system took the move. False when the point is off the virtual screen
// (nothing is sent) or SendInput did not take it.
bool MovePointer(POINT to);

// Sends the move and the button presses in one SendInput call, so that no
// other input comes between them, and returns once the system took them.
// False when the point is off the virtual screen (nothing is sent) or
// SendInput took fewer events than given. The target window handles the
// click later, on its own thread: a caller that needs it waits for it.
bool SendClick(const MouseClick& click);

}  // namespace harness
