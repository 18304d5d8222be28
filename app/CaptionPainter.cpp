#include "app/CaptionPainter.h"

#include <vector>

#include "app/SystemFonts.h"
#include "app/portable/CaptionShading.h"

namespace morvex::solo {

namespace {

constexpr BYTE kCaptionCharset = RUSSIAN_CHARSET;
// Dark caption text is drawn white, at this lightness or less.
constexpr int32_t kDarkTextLuminance = 90;

CaptionRgb Rgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF Colour(const CaptionRgb& rgb) {
  return RGB(static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green), static_cast<BYTE>(rgb.blue));
}

void DrawBackground(bool active, HDC dc, int width, int height) {
  if (!active) {
    FillSolid(dc, 0, 0, width, height, GetSysColor(COLOR_INACTIVECAPTION));
    return;
  }
  BOOL gradient = FALSE;
  SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
  const COLORREF from = GetSysColor(COLOR_ACTIVECAPTION);
  const COLORREF to = GetSysColor(gradient ? COLOR_GRADIENTACTIVECAPTION : COLOR_BTNFACE);
  for (const CaptionStrip& strip : CaptionGradient(width, Rgb(from), Rgb(to)))
    FillSolid(dc, strip.x, 0, strip.width, height, Colour(strip.colour));
}

// The small icon at (2, 1); the room it takes.
int DrawCaptionIcon(HWND window, HDC dc) {
  const int cx = GetSystemMetrics(SM_CXSIZE), cy = GetSystemMetrics(SM_CYSIZE);
  auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (icon) DrawIconEx(dc, 2, 1, icon, cx - 2, cy - 2, 0, nullptr, DI_NORMAL);
  return cx;
}

// The buttons' rectangles in the caption's coordinates, close first.
int ButtonRects(HWND window, int width, RECT* close, RECT* help) {
  *close = *help = RECT{};
  if (!(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION)) return 0;
  *close = {width - GetSystemMetrics(SM_CXSIZE), 2, width - 2, GetSystemMetrics(SM_CYSIZE) - 2};
  if (!(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP)) return 1;
  *help = *close;
  OffsetRect(help, -(close->right - close->left), 0);
  return 2;
}

// The room the buttons take at the right.
int DrawCaptionButtons(HWND window, HDC dc, int width) {
  RECT close, help;
  const int count = ButtonRects(window, width, &close, &help);
  if (count == 0) return 0;
  DrawFrameControl(dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  if (count == 1) return width - close.left - 2;
  DrawFrameControl(dc, &help, DFC_CAPTION, DFCS_CAPTIONHELP);
  return width - help.left - 2;
}

COLORREF TextColour(bool active) {
  if (!active) return GetSysColor(COLOR_INACTIVECAPTIONTEXT);
  const COLORREF text = GetSysColor(COLOR_CAPTIONTEXT);
  return CaptionLuminance(Rgb(text)) < kDarkTextLuminance ? RGB(255, 255, 255) : text;
}

void DrawTitle(HWND window, bool active, HDC dc, const RECT& room) {
  if (room.right <= room.left) return;
  const int length = GetWindowTextLengthA(window);
  std::vector<char> title(static_cast<size_t>(length) + 1);
  GetWindowTextA(window, title.data(), length + 1);
  NONCLIENTMETRICSA metrics = NonClientMetrics();
  metrics.lfCaptionFont.lfCharSet = kCaptionCharset;
  HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
  SetTextColor(dc, TextColour(active));
  SetBkMode(dc, TRANSPARENT);
  RECT text = room;
  DrawTextA(dc, title.data(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  if (previous) SelectObject(dc, previous);
  if (font) DeleteObject(font);
}

}  // namespace

void CaptionPainter::Paint(HWND window, bool active) {
  if (IsIconic(window)) return;
  const RECT caption = CaptionRect(window);
  const int width = caption.right - caption.left, height = caption.bottom - caption.top;
  if (width <= 0 || height <= 0) return;
  if (width != size_.cx || height != size_.cy) {
    Reset();
    size_ = {width, height};
  }
  HDC windowDc = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(windowDc);
  HBITMAP& bitmap = cached_[active ? 1 : 0];
  const bool fresh = bitmap == nullptr;
  if (fresh) bitmap = CreateCompatibleBitmap(windowDc, width, height);
  if (bitmap && memory) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    if (fresh) DrawCaption(window, active, memory, width, height);
    BitBlt(windowDc, caption.left, caption.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
  }
  if (memory) DeleteDC(memory);
  ReleaseDC(window, windowDc);
}

void CaptionPainter::Reset() {
  for (HBITMAP& bitmap : cached_) {
    if (bitmap) DeleteObject(bitmap);
    bitmap = nullptr;
  }
  size_ = {};
}

RECT CaptionRect(HWND window) {
  const bool thick = GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME;
  const int frameX = GetSystemMetrics(thick ? SM_CXFRAME : SM_CXDLGFRAME);
  const int frameY = GetSystemMetrics(thick ? SM_CYFRAME : SM_CYDLGFRAME);
  RECT rect = {};
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  rect.left += frameX;
  rect.right -= frameX;
  rect.top += frameY;
  rect.bottom = rect.top - GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYCAPTION);
  return rect;
}

bool CaptionButtonRects(HWND window, RECT* close, RECT* help) {
  const RECT caption = CaptionRect(window);
  if (ButtonRects(window, caption.right - caption.left, close, help) == 0) return false;
  OffsetRect(close, caption.left, caption.top);
  if (!IsRectEmpty(help)) OffsetRect(help, caption.left, caption.top);
  return true;
}

void DrawCaption(HWND window, bool active, HDC dc, int width, int height) {
  DrawBackground(active, dc, width, height);
  const int iconRoom = DrawCaptionIcon(window, dc);
  const int buttonRoom = DrawCaptionButtons(window, dc, width);
  DrawTitle(window, active, dc, {iconRoom + 2, 0, width - buttonRoom, height});
}

void FillSolid(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ previous = SelectObject(dc, brush);
  PatBlt(dc, x, y, width, height, PATCOPY);
  SelectObject(dc, previous);
  DeleteObject(brush);
}

}  // namespace morvex::solo
