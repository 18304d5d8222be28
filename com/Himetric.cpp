#include "com/Himetric.h"

namespace morvex::com {

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr int kFallbackDpi = 96;

}  // namespace

SIZEL PixelsToHimetric(int width, int height) {
  HDC screen = GetDC(nullptr);
  int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return {MulDiv(width, kHimetricPerInch, dpiX ? dpiX : kFallbackDpi),
          MulDiv(height, kHimetricPerInch, dpiY ? dpiY : kFallbackDpi)};
}

}  // namespace morvex::com
