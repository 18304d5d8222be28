#include "harness/Picture.h"

namespace harness {

namespace {

// The pixels of `source` in the rectangle, through a 32-bit DIB, whatever
// the source's depth.
Picture Copy(HDC source, const RECT& part) {
  Picture picture;
  const int width = part.right - part.left, height = part.bottom - part.top;
  if (width <= 0 || height <= 0) return picture;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!target) return picture;
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ previous = SelectObject(memory, target);
  if (BitBlt(memory, 0, 0, width, height, source, part.left, part.top, SRCCOPY)) {
    GdiFlush();
    picture.width = width;
    picture.height = height;
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    picture.colours.reserve(static_cast<size_t>(width) * height);
    for (int i = 0; i < width * height; ++i)
      picture.colours.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(target);
  return picture;
}

}  // namespace

Picture PictureOfBitmap(HBITMAP bitmap, const RECT& part) {
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  Picture picture = Copy(memory, part);
  SelectObject(memory, previous);
  DeleteDC(memory);
  return picture;
}

Picture PictureOfScreen(const RECT& area) {
  HDC screen = GetDC(nullptr);
  Picture picture = Copy(screen, area);
  ReleaseDC(nullptr, screen);
  return picture;
}

Picture PictureOfWindow(HWND window, bool whole) {
  RECT area = {};
  if (whole) {
    GetWindowRect(window, &area);
    OffsetRect(&area, -area.left, -area.top);
  } else {
    GetClientRect(window, &area);
  }
  HDC source = whole ? GetWindowDC(window) : GetDC(window);
  if (!source) return Picture();
  Picture picture = Copy(source, area);
  ReleaseDC(window, source);
  return picture;
}

}  // namespace harness
