// click_counter: the click counter window of ClickCounter.h. It prints READY
// once shown and ends on WM_CLOSE (or after a minute, so that a failed test
// leaves nothing running).
#include <windows.h>

#include <map>

#include "harness/ReadyWindow.h"
#include "mousehook/tests/ClickCounter.h"

namespace {

std::map<UINT, LRESULT> counts;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      ++counts[message];
      return 0;
    case mousehook_test::kCountQuery:
      return counts[static_cast<UINT>(wParam)];
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
  // The ready window's class has no CS_DBLCLKS: two quick clicks stay two
  // presses, as the tests count them.
  harness::ReadyWindow window;
  window.className = mousehook_test::kCounterClass;
  window.title = L"Click counter";
  window.place = mousehook_test::kCounterPlace;
  window.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window.extendedStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  window.procedure = Procedure;
  return harness::RunReadyWindow(window);
}
