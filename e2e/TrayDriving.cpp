#include "e2e/TrayDriving.h"

#include <shellapi.h>

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

}  // namespace morvex::e2e
