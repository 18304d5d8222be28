#include "PageAnimation.h"

#include <algorithm>
#include <cstdlib>

namespace morvex::pagestrip {

namespace {

// WM_PRINT of the client part with its background and children.
constexpr LPARAM kPrintClientWithChildren = PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN;

// A picture of the page's window in the strip's colours: the back colour,
// then the window's frame and client part as it prints them. Under Wine
// WM_PRINT draws no child windows, so a host window's picture is mostly
// back colour; the slide is the same.
class PageSnapshot {
 public:
  PageSnapshot(HDC like, HWND page, SIZE size, COLORREF background) : size_(size) {
    dc_ = CreateCompatibleDC(like);
    bitmap_ = dc_ ? CreateCompatibleBitmap(like, size.cx, size.cy) : nullptr;
    if (!bitmap_) return;
    oldBitmap_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, size.cx, size.cy};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
    if (page) Print(page);
  }
  PageSnapshot(const PageSnapshot&) = delete;
  PageSnapshot& operator=(const PageSnapshot&) = delete;
  ~PageSnapshot() {
    if (oldBitmap_) SelectObject(dc_, oldBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }

  bool valid() const { return bitmap_ != nullptr; }
  HDC dc() const { return dc_; }
  SIZE size() const { return size_; }

 private:
  void Print(HWND page) {
    SendMessageW(page, WM_PRINT, reinterpret_cast<WPARAM>(dc_), PRF_NONCLIENT);
    RECT frame = {};
    GetWindowRect(page, &frame);
    POINT clientOrigin = {0, 0};
    ClientToScreen(page, &clientOrigin);
    POINT old = {};
    SetViewportOrgEx(dc_, clientOrigin.x - frame.left, clientOrigin.y - frame.top, &old);
    SendMessageW(page, WM_PRINT, reinterpret_cast<WPARAM>(dc_), kPrintClientWithChildren);
    SetViewportOrgEx(dc_, old.x, old.y, nullptr);
  }

  SIZE size_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
};

// The band the slide uncovers shows the picture: downward at the top of
// the scroll area, the picture's last rows (the content follows the headers
// down); upward at its bottom, the picture's first rows; the columns beside
// the content area in the back colour. Each step scrolls the rows already
// shown along with the headers, so only the rows that step uncovered are
// drawn, and only those the picture has.
class BandPainter {
 public:
  BandPainter(HDC dc, const PageChange& change, const PageSnapshot& picture)
      : dc_(dc), change_(change), picture_(picture), brush_(CreateSolidBrush(change.background)) {}
  BandPainter(const BandPainter&) = delete;
  BandPainter& operator=(const BandPainter&) = delete;
  ~BandPainter() {
    if (brush_) DeleteObject(brush_);
  }

  // The band is `band` rows high, of which the last step uncovered `step`.
  void PaintUncovered(int band, int step) {
    const RECT& area = change_.scroll.area;
    int pictureHeight = picture_.size().cy;
    // The uncovered rows as rows of the picture, and where the first goes.
    int source = change_.scroll.downward ? pictureHeight - band : band - step;
    int target = change_.scroll.downward ? area.top : area.bottom - step;
    int first = std::max(source, 0);
    int last = std::min(source + step, pictureHeight);
    if (first >= last) return;
    target += first - source;
    int rows = last - first;
    const RECT& content = change_.contentArea;
    BitBlt(dc_, content.left, target, content.right - content.left, rows, picture_.dc(), 0, first,
           SRCCOPY);
    HGDIOBJ oldBrush = SelectObject(dc_, brush_);
    PatBlt(dc_, area.left, target, content.left - area.left, rows, PATCOPY);
    PatBlt(dc_, content.right, target, area.right - content.right, rows, PATCOPY);
    SelectObject(dc_, oldBrush);
  }

 private:
  HDC dc_;
  const PageChange& change_;
  const PageSnapshot& picture_;
  HBRUSH brush_;
};

}  // namespace

void AnimatePageChange(const PageChange& change) {
  const RECT& content = change.contentArea;
  if (change.pageWindow) {
    MoveWindow(change.pageWindow, content.left, content.top, content.right - content.left,
               content.bottom - content.top, TRUE);
  }
  // The closing page's picture stays on the strip when its window hides,
  // and slides away with the headers as the strip's own pixels: moving the
  // page windows at every step (SW_SCROLLCHILDREN) shows the same and costs
  // several times the slide.
  if (change.closingWindow) ShowWindow(change.closingWindow, SW_HIDE);
  HDC dc = GetDC(change.strip);
  if (!dc) return;
  {
    PageSnapshot picture(dc, change.pageWindow,
                         {content.right - content.left, content.bottom - content.top},
                         change.background);
    BandPainter painter(dc, change, picture);
    int band = 0;
    for (int step : ScrollSteps(change.scroll.distance, change.scroll.downward)) {
      // The uncovered rows go into no update region: the band covers them,
      // and the strip repaints whole after the slide.
      ScrollWindowEx(change.strip, 0, step, nullptr, &change.scroll.area, nullptr, nullptr, 0);
      band += std::abs(step);
      if (picture.valid()) painter.PaintUncovered(band, std::abs(step));
      if (change.pauseMs > 0) Sleep(change.pauseMs);
    }
  }
  ReleaseDC(change.strip, dc);
}

}  // namespace morvex::pagestrip
