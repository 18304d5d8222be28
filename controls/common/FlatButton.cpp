#include "controls/common/FlatButton.h"

#include <windowsx.h>

#include "com/Module.h"
#include "com/Reflection.h"

namespace morvex::controls {

namespace {

flat_button::Point PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

HICON LoadModuleIcon(UINT id, uint8_t width, uint8_t height) {
  return static_cast<HICON>(LoadImageA(com::ModuleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                       width, height, LR_DEFAULTCOLOR));
}

HICON CopyIconAt(HICON icon, uint8_t width, uint8_t height) {
  if (!icon) return nullptr;
  return static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0));
}

}  // namespace

FlatButton::FlatButton() {
  look_.coldBack = look_.hotBack = GetSysColor(COLOR_BTNFACE);
  look_.coldText = look_.hotText = GetSysColor(COLOR_BTNTEXT);
}

FlatButton::~FlatButton() {
  Unsubclass();
  if (cursor_) DestroyCursor(cursor_);
}

bool FlatButton::Attach(HWND button) {
  if (!Subclass(button)) return false;
  // The type bits are replaced, not or-ed: a radio button or-ed with
  // BS_OWNERDRAW would be another type.
  LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
  SetWindowLongPtrA(button, GWL_STYLE,
                    (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  return true;
}

bool FlatButton::LoadIcons(UINT hotId, UINT coldId, int width, int height) {
  icons_.Reset();
  iconWidth_ = static_cast<uint8_t>(width);
  iconHeight_ = static_cast<uint8_t>(height);
  HICON hot = LoadModuleIcon(hotId, iconWidth_, iconHeight_);
  HICON cold = coldId ? LoadModuleIcon(coldId, iconWidth_, iconHeight_) : nullptr;
  icons_.Adopt(hot, cold);
  RedrawNow();
  return hot != nullptr;
}

bool FlatButton::SetIcons(HICON hot, HICON cold, int width, int height) {
  icons_.Reset();
  iconWidth_ = static_cast<uint8_t>(width);
  iconHeight_ = static_cast<uint8_t>(height);
  HICON hotCopy = CopyIconAt(hot, iconWidth_, iconHeight_);
  icons_.Adopt(hotCopy, CopyIconAt(cold, iconWidth_, iconHeight_));
  RedrawNow();
  return hotCopy != nullptr;
}

void FlatButton::SetHoverCursor(HCURSOR cursor) {
  if (cursor_) DestroyCursor(cursor_);
  cursor_ = cursor ? static_cast<HCURSOR>(CopyImage(cursor, IMAGE_CURSOR, 0, 0, 0)) : nullptr;
}

void FlatButton::Invalidate() {
  if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

void FlatButton::RedrawNow() {
  if (handle())
    RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

LRESULT FlatButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KILLFOCUS:
      return OnKillFocus(wParam, lParam);
    case WM_ERASEBKGND:
      if (look_.transparent) return 1;
      break;
    case WM_SETCURSOR:
      return OnSetCursor(wParam, lParam);
    case WM_DRAWITEM:
    case com::kReflectedMessageBase + WM_DRAWITEM:
      if (!lParam) break;
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      // Reflected, our answer is the owner's: the item is drawn.
      return message == WM_DRAWITEM ? 0 : TRUE;
    case WM_KEYUP:
      return OnKeyUp(wParam, lParam);
    case WM_MOUSEMOVE:
      return OnMouseMove(wParam, lParam);
    case WM_LBUTTONDOWN:
      return OnLButtonDown(wParam, lParam);
    case WM_LBUTTONUP:
      return OnLButtonUp(wParam, lParam);
    case WM_LBUTTONDBLCLK:
      return OnLButtonDblClk(wParam, lParam);
    case WM_CAPTURECHANGED:
      return OnCaptureChanged(wParam, lParam);
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT FlatButton::OnKillFocus(WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefaultProcessing(WM_KILLFOCUS, wParam, lParam);
  if (look_.flat && hot_) {
    hot_ = false;
    Invalidate();
  }
  return result;
}

LRESULT FlatButton::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (!cursor_) return DefaultProcessing(WM_SETCURSOR, wParam, lParam);
  SetCursor(cursor_);
  return TRUE;
}

LRESULT FlatButton::OnKeyUp(WPARAM key, LPARAM lParam) {
  HWND self = handle();
  const int id = GetDlgCtrlID(self);
  if (key == VK_RETURN && focused_) {
    SendMessageA(GetParent(self), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(self));
  } else if (key == VK_TAB) {
    SendMessageA(GetParent(self), WM_COMMAND, MAKEWPARAM(id, TABKEY_NOTIFY),
                 reinterpret_cast<LPARAM>(self));
  }
  return DefaultProcessing(WM_KEYUP, key, lParam);
}

// The button is hot from the first move over it until the mouse leaves: it
// holds the capture meanwhile to see the leaving. While the left button is
// down (the button's own press holds the capture) it is left alone.
LRESULT FlatButton::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  DefaultProcessing(WM_MOUSEMOVE, wParam, lParam);
  const bool leftDown = (wParam & MK_LBUTTON) != 0;
  if (!look_.flat || (leftDown && !hot_)) return 0;
  HWND self = handle();
  if (GetCapture() != self && GetParent(self)) {
    hot_ = true;
    SetCapture(self);
    Invalidate();
    return 0;
  }
  RECT client;
  GetClientRect(self, &client);
  if (flat_button::Contains(ToGeometry(client), PointOf(lParam))) return 0;
  if (hot_) {
    hot_ = false;
    Invalidate();
  }
  if (!leftDown && GetCapture() == self) ReleaseCapture();
  return 0;
}

LRESULT FlatButton::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefaultProcessing(WM_LBUTTONDOWN, wParam, lParam);
  RECT client;
  GetClientRect(handle(), &client);
  const flat_button::Rect part =
      flat_button::ArrowPart(ToGeometry(client), look_.layout, arrowWidth_);
  if (flat_button::Contains(part, PointOf(lParam))) {
    arrowPressed_ = true;
    Invalidate();
  }
  return result;
}

LRESULT FlatButton::OnLButtonUp(WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefaultProcessing(WM_LBUTTONUP, wParam, lParam);
  if (arrowPressed_) {
    arrowPressed_ = false;
    Invalidate();
  }
  return result;
}

// A second press, so that a quick second click is a second BN_CLICKED and
// never a BN_DOUBLECLICKED.
LRESULT FlatButton::OnLButtonDblClk(WPARAM wParam, LPARAM lParam) {
  SendMessageA(handle(), WM_LBUTTONDOWN, wParam, lParam);
  return 0;
}

// The capture went elsewhere (a menu opened from the button tracks with
// it): the button is no longer hot, and the new owner keeps the capture.
LRESULT FlatButton::OnCaptureChanged(WPARAM wParam, LPARAM lParam) {
  if (hot_) {
    hot_ = false;
    if (GetCapture() == handle()) ReleaseCapture();
    Invalidate();
  }
  DefaultProcessing(WM_CAPTURECHANGED, wParam, lParam);
  return 0;
}

}  // namespace morvex::controls
