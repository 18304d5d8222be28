#include "app/TrayIcon.h"

#include <shellapi.h>

#include "app/PrivateMessages.h"

namespace morvex::solo {

BOOL NotifyTrayIcon(DWORD message, HWND window, HICON icon, const std::string& tip) {
  NOTIFYICONDATAA record = {};
  // The first version of the record: every shell takes it, and the 64-bit
  // one is larger than the 88 bytes of a 32-bit build.
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = kTrayIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = WM_TRAY_CALLBACK;
  record.hIcon = icon;
  lstrcpynA(record.szTip, tip.c_str(), 64);
  return Shell_NotifyIconA(message, &record);
}

void TrackTrayMenu(HWND window, HMENU menu) {
  if (!menu) return;
  POINT cursor = {};
  GetCursorPos(&cursor);
  SetForegroundWindow(window);
  TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
  SetForegroundWindow(window);
  // A menu tracked for a background window closes on a click elsewhere
  // only once its window has had a message after the menu.
  PostMessageA(window, WM_NULL, 0, 0);
}

}  // namespace morvex::solo
