#include "SplashAnimation.h"

#include <shellapi.h>

namespace morvex::aboutpanel {

namespace {

constexpr COLORREF kFrameColour = RGB(0x80, 0x80, 0x80);
constexpr int kFramePenWidth = 3;
constexpr DWORD kFrameShownMs = 15;

void DrawOutline(HDC dc, const SplashOutline& outline) {
  POINT points[kSplashOutlinePoints];
  for (int i = 0; i < kSplashOutlinePoints; ++i)
    points[i] = {outline[static_cast<size_t>(i)].x, outline[static_cast<size_t>(i)].y};
  Polyline(dc, points, kSplashOutlinePoints);
}

}  // namespace

FramePoint QuerySplashTarget() {
  APPBARDATA taskbar = {};
  taskbar.cbSize = sizeof taskbar;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  if (!SHAppBarMessage(ABM_GETTASKBARPOS, &taskbar)) return SplashTarget(nullptr, 0, width, height);
  const FrameRect bounds = {taskbar.rc.left, taskbar.rc.top, taskbar.rc.right, taskbar.rc.bottom};
  return SplashTarget(&bounds, GetSystemMetrics(SM_CXSMICON), width, height);
}

void PlaySplashFrames(const SplashFrames& frames) {
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (!display) return;
  HPEN pen = CreatePen(PS_SOLID, kFramePenWidth, kFrameColour);
  const int oldMode = SetROP2(display, R2_XORPEN);
  HGDIOBJ oldPen = SelectObject(display, pen);
  for (const SplashOutline& outline : frames) {
    DrawOutline(display, outline);
    GdiFlush();
    Sleep(kFrameShownMs);
    DrawOutline(display, outline);
  }
  GdiFlush();
  SetROP2(display, oldMode);
  SelectObject(display, oldPen);
  DeleteObject(pen);
  DeleteDC(display);
}

}  // namespace morvex::aboutpanel
