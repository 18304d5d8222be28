#include "e2e/TrayDriving.h"

#include <shellapi.h>

#include <string>

#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "mousehook/tests/RealInput.h"

namespace morvex::e2e {

bool IconPresent(HWND mainWindow) {
  NOTIFYICONDATAA record = {};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = mainWindow;
  record.uID = kIconId;
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

HWND TrayWindow() {
  HWND tray = FindWindowW(nullptr, L"Wine System Tray");
  return tray && IsWindowVisible(tray) ? tray : nullptr;
}

HWND TrayIconWindow() {
  HWND tray = TrayWindow();
  return tray ? FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) : nullptr;
}

HWND OpenTrayMenu(HWND mainWindow, POINT icon) {
  const std::wstring at = std::to_wstring(icon.x) + L" " + std::to_wstring(icon.y);
  if (!mousehook_test::StartXdotool(L"mousemove " + at)) return nullptr;
  WaitUntil(
      [&] {
        POINT pointer = {};
        return GetCursorPos(&pointer) && pointer.x == icon.x && pointer.y == icon.y;
      },
      kReactionTimeoutMs);
  constexpr int kAttempts = 3;
  constexpr DWORD kMenuPatienceMs = 2000;
  HWND menu = nullptr;
  for (int attempt = 0; attempt < kAttempts && !menu; ++attempt) {
    mousehook_test::StartXdotool(L"mousemove " + at + L" click " +
                                 std::to_wstring(mousehook_test::kXRightButton));
    WaitUntil([&] { return (menu = ProgramMenu(mainWindow)) != nullptr; }, kMenuPatienceMs);
  }
  return menu;
}

}  // namespace morvex::e2e
