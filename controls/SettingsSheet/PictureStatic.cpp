#include "PictureStatic.h"

#include <windowsx.h>

#include "com/Module.h"

namespace morvex::settingssheet {

LRESULT PictureStatic::StaticBackground(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

PictureStatic::~PictureStatic() {
  FreePicture();
  if (cursor_) DestroyCursor(cursor_);
}

PictureStatic::Selection::Selection(HBITMAP bitmap)
    : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, bitmap)) {}

PictureStatic::Selection::~Selection() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
}

HBITMAP PictureStatic::NewCanvas(SIZE size) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

HBITMAP PictureStatic::LoadPicture(UINT id) {
  HBITMAP source = static_cast<HBITMAP>(LoadImageA(com::ModuleInstance(), MAKEINTRESOURCEA(id),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!source) return nullptr;
  BITMAP facts = {};
  GetObjectA(source, sizeof(facts), &facts);
  HBITMAP copy = NewCanvas({facts.bmWidth, facts.bmHeight});
  if (copy) {
    Selection from(source), to(copy);
    BitBlt(to.dc(), 0, 0, facts.bmWidth, facts.bmHeight, from.dc(), 0, 0, SRCCOPY);
  }
  DeleteObject(source);
  return copy;
}

bool PictureStatic::AttachPicture(HWND window, UINT bitmapId, UINT cursorId) {
  if (!window) return false;
  FreePicture();
  picture_ = LoadPicture(bitmapId);
  if (!cursor_) cursor_ = LoadCursorA(com::ModuleInstance(), MAKEINTRESOURCEA(cursorId));
  if (!picture_ || !cursor_ || !Subclass(window)) return false;
  BITMAP facts = {};
  GetObjectA(picture_, sizeof(facts), &facts);
  size_ = {facts.bmWidth, facts.bmHeight};
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  style = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP;
  SetWindowLongPtrA(window, GWL_STYLE, style);
  RECT bounds;
  GetClientRect(window, &bounds);
  if (size_.cx < bounds.right || size_.cy < bounds.bottom)
    SetWindowPos(window, nullptr, 0, 0, size_.cx, size_.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  focused_ = hovering_ = false;
  return true;
}

void PictureStatic::Repaint() {
  if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

void PictureStatic::FreePicture() {
  if (picture_) DeleteObject(picture_);
  picture_ = nullptr;
}

void PictureStatic::PaintWithFocus(HDC dc, const RECT& frame) {
  if (!picture_) return;
  Paint(dc);
  if (focused_) {
    RECT inside = frame;
    InflateRect(&inside, -1, -1);
    DrawFocusRect(dc, &inside);
  }
}

LRESULT PictureStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnPictureMessage(message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT bounds;
      GetClientRect(handle(), &bounds);
      PaintWithFocus(reinterpret_cast<HDC>(wParam), bounds);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      PaintWithFocus(item.hDC, item.rcItem);
      return TRUE;
    }
    case WM_SETCURSOR:
      SetCursor(cursor_);
      return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = message == WM_SETFOCUS;
      Repaint();
      break;
    case WM_MOUSEMOVE:
      return OnMouseMove(lParam);
    case WM_CAPTURECHANGED:
      if (hovering_) {
        hovering_ = false;
        Repaint();
      }
      return 0;
    default:
      break;
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT PictureStatic::OnMouseMove(LPARAM lParam) {
  if (GetCapture() != handle()) {
    if (GetParent(handle())) {
      SetCapture(handle());
      hovering_ = true;
    }
    return 0;
  }
  RECT bounds;
  GetClientRect(handle(), &bounds);
  POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (!PtInRect(&bounds, at)) {
    hovering_ = false;
    Repaint();
    if (!(GetKeyState(VK_LBUTTON) & 0x8000)) ReleaseCapture();
  }
  return 0;
}

}  // namespace morvex::settingssheet
