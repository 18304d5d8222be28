#include "app/FramePainting.h"

#include "app/CaptionPainter.h"

namespace morvex::solo {

namespace {

// WM_NCPAINT's wParam for "the whole frame".
const HRGN kWholeFrame = reinterpret_cast<HRGN>(1);

RECT ClientInWindow(HWND window, const RECT& windowRect) {
  RECT client = {};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -windowRect.left, -windowRect.top);
  return client;
}

}  // namespace

HRGN FrameRegion(HWND window, HRGN update) {
  RECT windowRect = {};
  GetWindowRect(window, &windowRect);
  const RECT client = ClientInWindow(window, windowRect);
  const RECT caption = CaptionRect(window);
  HRGN frame =
      CreateRectRgn(0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top);
  HRGN part = CreateRectRgn(client.left, client.top, client.right, client.bottom);
  bool made = frame && part && CombineRgn(frame, frame, part, RGN_DIFF) != ERROR;
  if (made && update && update != kWholeFrame) {
    // The system's region is in screen coordinates, and stays the system's.
    made = CombineRgn(part, update, nullptr, RGN_COPY) != ERROR &&
           OffsetRgn(part, -windowRect.left, -windowRect.top) != ERROR &&
           CombineRgn(frame, frame, part, RGN_AND) != ERROR;
  }
  if (made) {
    SetRectRgn(part, caption.left, caption.top, caption.right, caption.bottom);
    made = CombineRgn(frame, frame, part, RGN_DIFF) != ERROR;
  }
  if (part) DeleteObject(part);
  if (!made && frame) {
    DeleteObject(frame);
    frame = nullptr;
  }
  return frame;
}

void PaintFrame(HWND window, HRGN update, COLORREF face) {
  HRGN region = FrameRegion(window, update);
  if (!region) return;
  RECT rect = {};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC dc = GetWindowDC(window);
  SelectClipRgn(dc, region);
  HBRUSH brush = CreateSolidBrush(face);
  FillRgn(dc, region, brush);
  DeleteObject(brush);
  const COLORREF light = GetSysColor(COLOR_BTNFACE);
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  FillSolid(dc, 0, 0, width, 1, light);
  FillSolid(dc, 0, 0, 1, height, light);
  FillSolid(dc, width - 1, 0, 1, height, dark);
  FillSolid(dc, 0, height - 1, width, 1, dark);
  FillSolid(dc, 1, 1, width - 2, 1, highlight);
  FillSolid(dc, 1, 1, 1, height - 2, highlight);
  SelectClipRgn(dc, nullptr);
  ReleaseDC(window, dc);
  DeleteObject(region);
}

}  // namespace morvex::solo
