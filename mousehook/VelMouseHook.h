// VelMouseHook.dll: the mouse-hook library the dictionary program loads by
// name at start. It watches the mouse through a low-level hook and, when the
// user presses the trigger (a chosen mouse button with a chosen modifier key
// held) over a window of another program, takes that click away from the
// window and posts kHookClickMessage to the program's main window instead.
//
// The program looks the three entry points up with GetProcAddress under
// their undecorated names ("InitHooksDll", "InstallFilter", "SetKey") and
// calls them through the pointer types below; the hook tests do the same.
// Nothing else crosses the library's boundary.
#pragma once

#include <windows.h>

namespace morvex::mousehook {

// Posted to the listening window at the trigger's press: wParam the window
// under the cursor, lParam the screen point, x in the low and y in the high
// 16 bits, each a signed 16-bit value (read them with GET_X_LPARAM and
// GET_Y_LPARAM, so that a monitor left of or above the primary one works).
constexpr UINT kHookClickMessage = 0x524;

// Mouse keys of SetKey.
constexpr int kRightButton = 0;
constexpr int kLeftButton = 1;

}  // namespace morvex::mousehook

extern "C" {

// Keeps the window that hears kHookClickMessage (null: nobody, no trigger
// is taken). The second argument is reserved; the program passes 0.
// Returns TRUE when the window is a live one or null.
typedef BOOL(__cdecl* InitHooksDllProc)(HWND listener, int reserved);

// Installs the hook when none is in place, and removes it when one is: the
// program makes the same call at start and at the end, and the two pair up.
// The hook runs on a thread of the library's own, started here and, on the
// removing call, stopped and waited for. The arguments are reserved; the
// program passes (6, 1). Returns TRUE when a hook is in place after the
// call (FALSE after a removal, or when installing failed).
typedef BOOL(__cdecl* InstallFilterProc)(int kind, int flags);

// Chooses the trigger: the modifier is VK_SHIFT, VK_CONTROL or VK_MENU, the
// mouse key kRightButton or kLeftButton. Any other value of either turns
// the trigger off. Takes effect from the next mouse event on.
typedef void(__cdecl* SetKeyProc)(int modifier, int mouseKey);

}  // extern "C"
