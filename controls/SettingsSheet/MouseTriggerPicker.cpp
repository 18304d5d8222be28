#include "MouseTriggerPicker.h"

#include <windowsx.h>

namespace morvex::settingssheet {

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kButtonSurface = 0xFFFFFF;
constexpr COLORREF kBackground = 0xC0C0C0;

// The picture's regions, in picture pixels: 1-3 the key tops (click
// targets of Shift, Ctrl, Alt), 4 and 5 the left (1) and right (0) mouse
// buttons, 6-8 the keys' sides, painted when chosen.
struct Region {
  int count;
  POINT points[7];
};
constexpr Region kRegions[] = {
    {4, {{2, 48}, {26, 48}, {36, 58}, {12, 58}}},
    {4, {{15, 63}, {37, 63}, {47, 73}, {25, 73}}},
    {4, {{44, 63}, {66, 63}, {76, 73}, {54, 73}}},
    {4, {{12, 12}, {19, 4}, {36, 8}, {19, 19}}},
    {4, {{28, 3}, {41, 3}, {51, 7}, {37, 7}}},
    {7, {{1, 49}, {12, 60}, {39, 60}, {39, 61}, {13, 61}, {9, 65}, {1, 57}}},
    {6, {{13, 63}, {25, 75}, {49, 75}, {52, 79}, {23, 79}, {10, 66}}},
    {7, {{43, 64}, {54, 75}, {78, 75}, {78, 79}, {51, 79}, {51, 74}, {42, 65}}},
};
constexpr int kFirstKeyTop = 0;
constexpr int kLeftMouseButton = 3;
constexpr int kRightMouseButton = 4;
constexpr int kFirstKeySide = 5;
// Flood seeds of the buttons' white surfaces: button 0 (right), 1 (left).
constexpr POINT kButtonSeeds[] = {{28, 3}, {12, 12}};

}  // namespace

MouseTriggerPicker::~MouseTriggerPicker() {
  FreeRegions();
  if (navy_) DeleteObject(navy_);
}

bool MouseTriggerPicker::Attach(HWND window, UINT bitmapId, UINT cursorId) {
  if (!AttachPicture(window, bitmapId, cursorId)) return false;
  FreeRegions();
  for (int k = 0; k < kRegionCount; ++k)
    regions_[k] = CreatePolygonRgn(kRegions[k].points, kRegions[k].count, WINDING);
  if (!navy_) navy_ = CreateSolidBrush(kNavy);
  return true;
}

void MouseTriggerPicker::FreeRegions() {
  for (HRGN& region : regions_) {
    if (region) DeleteObject(region);
    region = nullptr;
  }
}

void MouseTriggerPicker::SetKey(int key) {
  if (key < 0 || key > 2) return;
  key_ = key;
  Repaint();
}

void MouseTriggerPicker::SelectButton(int button) {
  button_ = button == 1 ? 1 : 0;
  Repaint();
}

void MouseTriggerPicker::Paint(HDC dc) {
  const SIZE size = pictureSize();
  // Every paint starts from the picture as drawn: the choice may have moved.
  HBITMAP work = NewCanvas(size);
  if (!work) return;
  PaintOn(dc, work);
  DeleteObject(work);
}

void MouseTriggerPicker::PaintOn(HDC dc, HBITMAP work) {
  const SIZE size = pictureSize();
  Selection source(picture()), canvas(work);
  HDC target = canvas.dc();
  BitBlt(target, 0, 0, size.cx, size.cy, source.dc(), 0, 0, SRCCOPY);
  HGDIOBJ oldBrush = SelectObject(target, navy_);
  ExtFloodFill(target, kButtonSeeds[button_].x, kButtonSeeds[button_].y, kButtonSurface,
               FLOODFILLSURFACE);
  SelectObject(target, GetSysColorBrush(COLOR_BTNFACE));
  ExtFloodFill(target, 0, 0, kBackground, FLOODFILLSURFACE);
  SelectObject(target, oldBrush);
  if (regions_[kFirstKeySide + key_]) FillRgn(target, regions_[kFirstKeySide + key_], navy_);
  BitBlt(dc, 0, 0, size.cx, size.cy, target, 0, 0, SRCCOPY);
}

bool MouseTriggerPicker::OnLeftButton(LPARAM lParam) {
  if (hovering()) SetFocus(handle());
  const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  for (int key = 0; key < 3; ++key) {
    if (regions_[kFirstKeyTop + key] && PtInRegion(regions_[kFirstKeyTop + key], at.x, at.y)) {
      SetKey(key);
      return true;
    }
  }
  // The left click on a mouse button chooses it (the right button can
  // only ever choose button 0).
  if (regions_[kLeftMouseButton] && PtInRegion(regions_[kLeftMouseButton], at.x, at.y))
    SelectButton(1);
  else if (regions_[kRightMouseButton] && PtInRegion(regions_[kRightMouseButton], at.x, at.y))
    SelectButton(0);
  return true;
}

bool MouseTriggerPicker::OnPictureMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                          LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnLeftButton(lParam);
    case WM_RBUTTONDOWN:
      SelectButton(0);
      return true;
    case WM_KEYDOWN:
      if (wParam == VK_SHIFT)
        SetKey(0);
      else if (wParam == VK_CONTROL)
        SetKey(1);
      else
        return false;
      return true;
    case WM_SYSKEYDOWN:
      if (wParam != VK_MENU || !focused()) return false;
      SetKey(2);
      return true;
    case WM_SYSKEYUP:
      // Alt released alone would open the dialog's system menu.
      return wParam == VK_MENU;
    default:
      return false;
  }
}

}  // namespace morvex::settingssheet
