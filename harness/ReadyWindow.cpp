#include "harness/ReadyWindow.h"

#include "harness/Console.h"

namespace harness {

namespace {

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr UINT kGiveUpMs = 60000;

WNDPROC g_programProcedure = nullptr;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  if (g_programProcedure) return g_programProcedure(window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int RunReadyWindow(const ReadyWindow& spec) {
  g_programProcedure = spec.procedure;
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = spec.background;
  windowClass.lpszClassName = spec.className;
  if (!RegisterClassW(&windowClass)) return 1;
  // A popup: no frame, so that the window's picture is its client area alone.
  HWND window = CreateWindowExW(
      spec.extendedStyle, spec.className, spec.title, WS_POPUP | WS_VISIBLE, spec.place.left,
      spec.place.top, spec.place.right - spec.place.left, spec.place.bottom - spec.place.top,
      nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  UpdateWindow(window);
  SetTimer(window, kGiveUpTimer, kGiveUpMs, nullptr);
  // The first paint must reach the display before anyone looks.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  GdiFlush();
  PrintLine(L"READY");
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

}  // namespace harness
