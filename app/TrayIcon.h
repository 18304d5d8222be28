// The program's icon in the notification area: one icon, id 42, whose
// mouse messages come to the main window as WM_TRAY_CALLBACK, with the
// window title as its tip; and the tray menu, tracked at the pointer.
//
// Used by the main window: added when the splash goes, again when the shell
// restarts, changed after an interface-language change, removed at Exit.
#pragma once

#include <windows.h>
// After windows.h: NIM_ADD, NIM_MODIFY, NIM_DELETE.
#include <shellapi.h>

#include <string>

namespace morvex::solo {

constexpr UINT kTrayIconId = 42;

// Shell_NotifyIconA with the program's record (NIM_ADD, NIM_MODIFY or
// NIM_DELETE): the callback, the icon and the tip cut to what the record
// holds. Its answer.
BOOL NotifyTrayIcon(DWORD message, HWND window, HICON icon, const std::string& tip);

// Tracks the menu at the pointer, owned by `window`, which comes to the
// foreground so that a click elsewhere closes the menu. The chosen command
// arrives as WM_COMMAND.
void TrackTrayMenu(HWND window, HMENU menu);

}  // namespace morvex::solo
