#include "com/Reflection.h"

namespace morvex::com {

namespace {

// Each finds the window a message names as its sender, or null when it
// names none; whether that window is a child of the parent is checked once,
// by the caller.
using FindSender = HWND (*)(HWND parent, WPARAM wParam, LPARAM lParam);

HWND WindowInLParam(HWND, WPARAM, LPARAM lParam) { return reinterpret_cast<HWND>(lParam); }

HWND SenderOfNotify(HWND, WPARAM, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  return header ? header->hwndFrom : nullptr;
}

// A menu item's structure holds a menu, not a window: its type decides.
template <typename ItemStruct>
HWND WindowOfItem(HWND, WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const ItemStruct*>(lParam);
  if (!item || item->CtlType == ODT_MENU) return nullptr;
  return item->hwndItem;
}

// The only item structure without a window: the control id names it.
HWND ControlOfMeasureItem(HWND parent, WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
  if (!item || item->CtlType == ODT_MENU) return nullptr;
  return GetDlgItem(parent, static_cast<int>(item->CtlID));
}

// Only a child's creation and destruction: a click's notification is the
// parent's own business (it brings the parent forward, repaints it), and
// the child sees its click anyway.
HWND ChildOfParentNotify(HWND, WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case WM_CREATE:
    case WM_DESTROY:
      return reinterpret_cast<HWND>(lParam);
    default:
      return nullptr;
  }
}

struct ReflectedNotification {
  UINT message;
  FindSender sender;
};

// The messages a parent reflects. WM_COMMAND and the scroll messages name
// no window (lParam 0) for menus, accelerators and the window's own scroll
// bars.
constexpr ReflectedNotification kReflectedNotifications[] = {
    {WM_COMMAND, WindowInLParam},
    {WM_NOTIFY, SenderOfNotify},
    {WM_DRAWITEM, WindowOfItem<DRAWITEMSTRUCT>},
    {WM_MEASUREITEM, ControlOfMeasureItem},
    {WM_COMPAREITEM, WindowOfItem<COMPAREITEMSTRUCT>},
    {WM_DELETEITEM, WindowOfItem<DELETEITEMSTRUCT>},
    {WM_HSCROLL, WindowInLParam},
    {WM_VSCROLL, WindowInLParam},
    {WM_CTLCOLORMSGBOX, WindowInLParam},
    {WM_CTLCOLOREDIT, WindowInLParam},
    {WM_CTLCOLORLISTBOX, WindowInLParam},
    {WM_CTLCOLORBTN, WindowInLParam},
    {WM_CTLCOLORDLG, WindowInLParam},
    {WM_CTLCOLORSCROLLBAR, WindowInLParam},
    {WM_CTLCOLORSTATIC, WindowInLParam},
    {WM_PARENTNOTIFY, ChildOfParentNotify},
};

}  // namespace

bool ReflectNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  for (const ReflectedNotification& entry : kReflectedNotifications) {
    if (entry.message != message) continue;
    HWND sender = entry.sender(parent, wParam, lParam);
    // Owned popups (tooltips) notify their owner too, but the owner's
    // answer is what they ask for: only children are answered by themselves.
    if (!sender || !IsChild(parent, sender)) return false;
    *result = SendMessageA(sender, kReflectedMessageBase + message, wParam, lParam);
    return true;
  }
  return false;
}

}  // namespace morvex::com
