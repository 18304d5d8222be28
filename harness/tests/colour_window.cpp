// A window of one known colour at a known place, for the screenshot test:
// it prints READY once shown and ends on WM_CLOSE (or after a minute, so
// that a failed test leaves nothing running).
#include <windows.h>

#include "harness/Console.h"

namespace {

constexpr COLORREF kColour = RGB(0x20, 0xC0, 0x60);
constexpr int kLeft = 100, kTop = 100, kWidth = 200, kHeight = 150;
constexpr UINT_PTR kGiveUpTimer = 1;
constexpr UINT kGiveUpMs = 60000;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = CreateSolidBrush(kColour);
  windowClass.lpszClassName = L"MorvexColourWindow";
  if (!RegisterClassW(&windowClass)) return 1;
  // A popup: no frame, so the window's picture is its colour alone.
  HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName,
                                L"Morvex screenshot check", WS_POPUP | WS_VISIBLE, kLeft, kTop,
                                kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  UpdateWindow(window);
  SetTimer(window, kGiveUpTimer, kGiveUpMs, nullptr);
  // The first paint must reach the display before anyone looks.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  GdiFlush();
  harness::PrintLine(L"READY");
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
