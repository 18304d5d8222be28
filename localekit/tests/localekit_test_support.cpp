#include "localekit_test_support.h"

namespace com = morvex::com;

void LocaleKitTest::SetUp() { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }

void LocaleKitTest::TearDown() {
  ExpectNoLiveObjects(kLocaleKitDll);
  CoUninitialize();
}

com::Ptr<ILocaleKitMngr> LocaleKitTest::MakeManager() {
  return CreateByProgId<ILocaleKitMngr>(kLocaleKitProgId);
}

Pixels Pixels::Block(int x, int y, int w, int h) const {
  Pixels block;
  block.width = w;
  block.height = h;
  for (int row = y; row < y + h; ++row)
    for (int column = x; column < x + w; ++column) block.rgb.push_back(At(column, row));
  return block;
}

Pixels BitmapPixels(HBITMAP bitmap) {
  Pixels pixels;
  BITMAP info = {};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return pixels;
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;  // top row first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<unsigned> bgrx(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), bgrx.data(), &format,
                       DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return pixels;
  pixels.width = info.bmWidth;
  pixels.height = info.bmHeight;
  // A 32-bit DIB pixel is blue, green, red, unused: 0x00RRGGBB read as a number.
  for (unsigned value : bgrx) pixels.rgb.push_back(value & 0xFFFFFF);
  return pixels;
}

Pixels IconImagePixels(HICON icon, int width, int height) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_IMAGE);
  SelectObject(dc, previous);
  DeleteDC(dc);
  Pixels pixels = BitmapPixels(bitmap);
  DeleteObject(bitmap);
  return pixels;
}

SIZE IconSize(HICON icon) {
  ICONINFO info = {};
  if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
  BITMAP colour = {};
  SIZE size = {0, 0};
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof colour, &colour))
    size = {colour.bmWidth, colour.bmHeight};
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return size;
}

HICON LocaleKitIcon(int id, int width, int height) {
  HMODULE module = LoadLibraryExW(kLocaleKitDll, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return nullptr;
  HICON icon =
      static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, 0));
  FreeLibrary(module);
  return icon;
}
