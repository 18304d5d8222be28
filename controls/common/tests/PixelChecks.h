// Pixel checks over a rectangle of any picture that answers At(x, y) with a
// COLORREF (the renderer's canvases and the open menu's captures), and the
// colours of the menu images themselves.
//
// Used by the tests of the menu renderer and of the popup menu control.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace morvex::controls::testing {

// Whether any pixel of the rectangle has the colour.
template <class Picture>
bool Holds(const Picture& picture, const RECT& area, COLORREF colour) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (picture.At(x, y) == colour) return true;
  return false;
}

// Whether every pixel of the rectangle has one of the colours.
template <class Picture>
bool OnlyHolds(const Picture& picture, const RECT& area, std::initializer_list<COLORREF> colours) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      bool known = false;
      for (COLORREF colour : colours) known = known || picture.At(x, y) == colour;
      if (!known) return false;
    }
  }
  return true;
}

// The centre pixel (8, 8) of the 16-pixel image `index` in the strip that
// bitmap resource `id` of `module` holds.
inline COLORREF ImageCentre(HMODULE module, UINT id, int index) {
  HBITMAP image = static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, image);
  COLORREF colour = GetPixel(dc, 16 * index + 8, 8);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(image);
  return colour;
}

}  // namespace morvex::controls::testing
