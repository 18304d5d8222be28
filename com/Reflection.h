// Reflection of child notifications: the messages in which a child control
// tells its parent about itself (commands, notifications, owner-draw item
// requests, scrolling, control colours, its creation and destruction) are
// sent back to that child as the message + kReflectedMessageBase, so that a control
// class handles its own notifications whatever window it sits in. The
// child's answer is the parent's answer.
//
// Used by the window procedures of parents (our windows, dialogs, the
// control's own window) before their usual handling; the child handles
// kReflectedMessageBase + WM_NOTIFY and so on.
#pragma once

#include <windows.h>

namespace morvex::com {

constexpr UINT kReflectedMessageBase = 0x2000;

// When the message is one a parent reflects and names a child of parent,
// sends it to that child as kReflectedMessageBase + message with the same
// parameters, stores the child's answer in *result and returns true.
// Otherwise sends nothing and returns false: the caller handles the
// message as usual (menu and accelerator commands, menu items, the
// window's own scroll bars, notifications from owned popups).
bool ReflectNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

}  // namespace morvex::com
