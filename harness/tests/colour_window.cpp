// A window of one known colour at a known place, for the screenshot test:
// it prints READY once shown and ends on WM_CLOSE (or after a minute, so
// that a failed test leaves nothing running).
#include <windows.h>

#include "harness/ReadyWindow.h"

namespace {

constexpr COLORREF kColour = RGB(0x20, 0xC0, 0x60);
constexpr RECT kPlace = {100, 100, 300, 250};

}  // namespace

int main() {
  harness::ReadyWindow window;
  window.className = L"MorvexColourWindow";
  window.title = L"Morvex screenshot check";
  window.place = kPlace;
  window.background = CreateSolidBrush(kColour);
  return harness::RunReadyWindow(window);
}
