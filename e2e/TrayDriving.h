// The program's icon in the notification area, as Wine shows it: whether
// the program holds its icon, and Wine's tray window with the icon's own
// window in it, where a user's clicks go.
//
// Used by the end-to-end tests of the tray, the day of use and the faults.
#pragma once

#include <windows.h>

namespace morvex::e2e {

// The icon's id and the message it sends its window.
constexpr UINT kIconId = 42;
constexpr UINT kTrayCallback = 0x8001;

// True while the main window holds its icon (a modify of it succeeds).
bool IconPresent(HWND mainWindow);
// Wine's tray window while it shows an icon, or null.
HWND TrayWindow();
// The icon's window in Wine's tray, or null.
HWND TrayIconWindow();
// The program's tray menu, opened by a right click at `icon` made with
// xdotool, as a user's mouse makes it; null when none opened. The pointer
// comes to rest on the icon first, and a click that opened nothing (the
// tray's tooltip may take the first one after the pointer came) is made
// again.
HWND OpenTrayMenu(HWND mainWindow, POINT icon);

}  // namespace morvex::e2e
