// The numbers of the messages, timers and ids the main window shares with
// the windows and libraries that talk to it: the tip host, the status bar,
// the splash and about host, the menu renderer, the tray and the mouse-hook
// library (the menu commands are resource ids: app/Resources.h). Points passed with the sent
// messages are screen coordinates in a record on the sender's stack, valid during the call only.
#pragma once

#include <windows.h>

#include "mousehook/VelMouseHook.h"

namespace morvex::solo {

// Sent by the status bar after the settings dialog ended with OK.
constexpr UINT WM_OPTIONS_APPLIED = 0x69A;
// Sent by the tip host: wParam the tip language, lParam a POINT*.
constexpr UINT WM_TIP_CHANGELANG = 0x69B;
// Sent by the tip host: lParam a POINT*.
constexpr UINT WM_TIP_EDITMENU = 0x69C;
// Posted by the splash and about host when the about box is done.
constexpr UINT WM_ABOUT_CLOSED = 0x69D;
// Sent by the tip host: show the tip's word in the dictionary page.
constexpr UINT WM_TIP_SHOWINDICT = 0x69E;
// Sent by the status bar: wParam 2000, lParam its DRAWITEMSTRUCT*.
constexpr UINT WM_STATUS_DRAWITEM = 0x69F;
// Sent by the settings dialog's language button: lParam a POINT*.
constexpr UINT WM_LANGMENU_REQUEST = 0x6A0;
// Posted by the mouse-hook library at a trigger click.
constexpr UINT WM_HOOK_CLICK = mousehook::kHookClickMessage;
// The tray icon's callback.
constexpr UINT WM_TRAY_CALLBACK = 0x8001;

// The main window's timer that closes the splash.
constexpr UINT_PTR kSplashTimer = 0x2F5A;

}  // namespace morvex::solo
