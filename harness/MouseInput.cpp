#include "harness/MouseInput.h"

#include <vector>

namespace harness {

namespace {

// Absolute SendInput coordinates run from 0 to 65535 across the virtual
// screen.
constexpr LONGLONG kNormalisedSpan = 65536;

RECT VirtualScreen() {
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The system maps a normalised n to origin + n * span / 65536, rounded
// down; the smallest n that lands on the pixel is the one that hits it
// exactly, whatever the span.
LONG Normalised(LONG pixel, LONG origin, LONG span) {
  return static_cast<LONG>(((static_cast<LONGLONG>(pixel) - origin) * kNormalisedSpan + span - 1) /
                           span);
}

INPUT MouseEvent(DWORD flags, LONG dx, LONG dy) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  return input;
}

// The move to `to`, which lies on the virtual screen.
INPUT MoveEvent(POINT to) {
  RECT screen = VirtualScreen();
  return MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
                    Normalised(to.x, screen.left, screen.right - screen.left),
                    Normalised(to.y, screen.top, screen.bottom - screen.top));
}

}  // namespace

bool OnVirtualScreen(POINT point) {
  RECT screen = VirtualScreen();
  return PtInRect(&screen, point) != FALSE;
}

bool MovePointer(POINT to) {
  if (!OnVirtualScreen(to)) return false;
  INPUT move = MoveEvent(to);
  return SendInput(1, &move, sizeof move) == 1;
}

bool SendClick(const MouseClick& click) {
  if (!OnVirtualScreen(click.at)) return false;
  std::vector<INPUT> events;
  events.push_back(MoveEvent(click.at));
  bool right = click.button == MouseButton::kRight;
  for (int press = 0; press < (click.twice ? 2 : 1); ++press) {
    events.push_back(MouseEvent(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0));
    events.push_back(MouseEvent(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0));
  }
  UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
  return sent == events.size();
}

}  // namespace harness
