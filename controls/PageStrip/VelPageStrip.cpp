#include "VelPageStrip.h"

#include <algorithm>
#include <string>

#include "HeaderPainter.h"
#include "PageAnimation.h"
#include "com/Ambient.h"

namespace morvex::pagestrip {

namespace {

constexpr DISPID kActivatePageEvent = 1;
constexpr DISPID kClickOnActivePageEvent = 3;

// Sent to the strip window: lay the headers out again (a page's height
// changed).
constexpr UINT kRelayoutMessage = 1624;

// Runs while a header is hot, to notice the cursor leaving the strip when
// no mouse message tells.
constexpr UINT_PTR kHoverTimer = 1000;
constexpr UINT kHoverPeriodMs = 48;

std::wstring TextOf(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : L""; }

HWND WindowFromLong(long handle) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle)); }
long LongFromWindow(HWND window) { return static_cast<long>(reinterpret_cast<LONG_PTR>(window)); }

template <class T>
HRESULT Give(T value, T* out) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}

template <class T>
HRESULT Keep(T value, T* slot) {
  *slot = value;
  return S_OK;
}

}  // namespace

VelPageStrip::VelPageStrip()
    : Control(CLSID_VelPageStrip, {"VelPageStripWindow"}),
      activePageColor_(GetSysColor(COLOR_APPWORKSPACE)),
      inactivePageColor_(GetSysColor(COLOR_BTNFACE)) {
  SetBackColorQuietly(com::kSystemColorFlag | COLOR_APPWORKSPACE);
  AddHeaderLookUser();
}

// The window went at the last release, while the look was still held.
VelPageStrip::~VelPageStrip() { RemoveHeaderLookUser(); }

// --- Properties

STDMETHODIMP VelPageStrip::get_Animation(long* value) { return Give(animation_, value); }
STDMETHODIMP VelPageStrip::put_Animation(long value) { return Keep(value, &animation_); }
STDMETHODIMP VelPageStrip::get_Sleep(long* value) { return Give(sleep_, value); }
STDMETHODIMP VelPageStrip::put_Sleep(long value) { return Keep(value, &sleep_); }
STDMETHODIMP VelPageStrip::get_Sign(long* value) { return Give(sign_, value); }
STDMETHODIMP VelPageStrip::put_Sign(long value) { return Keep(value, &sign_); }

// The header colours are the process's; each strip remembers what it put.
STDMETHODIMP VelPageStrip::get_ActivePageColor(OLE_COLOR* color) {
  return Give(activePageColor_, color);
}
STDMETHODIMP VelPageStrip::put_ActivePageColor(OLE_COLOR color) {
  SharedHeaderLook().activeColor = color;
  return Keep(color, &activePageColor_);
}
STDMETHODIMP VelPageStrip::get_InactivePageColor(OLE_COLOR* color) {
  return Give(inactivePageColor_, color);
}
STDMETHODIMP VelPageStrip::put_InactivePageColor(OLE_COLOR color) {
  SharedHeaderLook().inactiveColor = color;
  return Keep(color, &inactivePageColor_);
}
STDMETHODIMP VelPageStrip::get_TextColor(OLE_COLOR* color) {
  return Give<OLE_COLOR>(SharedHeaderLook().textColor, color);
}
STDMETHODIMP VelPageStrip::put_TextColor(OLE_COLOR color) {
  return Keep<COLORREF>(color, &SharedHeaderLook().textColor);
}

// --- Pages

STDMETHODIMP VelPageStrip::ActivatePage(long index) {
  OpenPage(index);
  return S_OK;
}

STDMETHODIMP VelPageStrip::AddPage(BSTR name) {
  // Every page stands at the top before the new one joins them.
  if (pages_.count() > 0) OpenPage(pages_.count() - 1);
  pages_.Append(TextOf(name));
  Layout();
  MakeActive(pages_.count() - 1);
  return S_OK;
}

STDMETHODIMP VelPageStrip::AttachWindow(long index, long handle) {
  HWND page = WindowFromLong(handle);
  // A window that holds the strip cannot become its child.
  if (!page || !IsWindow(page) || !pages_.IsPage(index) || !window() || page == window() ||
      IsChild(page, window())) {
    return S_FALSE;
  }
  Attach(index, page);
  return S_OK;
}

// S_FALSE when a page was deleted and S_OK when there was none: what hosts
// have always been given.
STDMETHODIMP VelPageStrip::DeletePage(long index) {
  if (!pages_.IsPage(index)) return S_OK;
  Detach(index);
  bool wasActive = index == pages_.active();
  pages_.Remove(index);
  if (pages_.IsPage(index) && !pages_.page(index).atTop) OpenPage(index);
  Layout();
  if (wasActive) {
    OpenPage(std::max(0, std::min<int>(index, pages_.count() - 1)));
  } else {
    // The headers before the open page may have moved.
    FitActiveWindow();
  }
  return S_FALSE;
}

STDMETHODIMP VelPageStrip::GetActivePage(long* index) { return Give<long>(pages_.active(), index); }

STDMETHODIMP VelPageStrip::GetHwnd(long index, long* handle) {
  return Give(pages_.IsPage(index) ? LongFromWindow(pages_.page(index).window) : 0L, handle);
}

STDMETHODIMP VelPageStrip::GetPage(BSTR name, long* index) {
  if (!index) return E_POINTER;
  std::wstring wanted = TextOf(name);
  *index = -1;
  for (int i = 0; i < pages_.count(); ++i) {
    if (pages_.page(i).name == wanted) {
      *index = i;
      break;
    }
  }
  return S_OK;
}

STDMETHODIMP VelPageStrip::GetPageName(long index, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  if (!pages_.IsPage(index)) return S_OK;
  const std::wstring& text = pages_.page(index).name;
  *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *name ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP VelPageStrip::GetPagesCount(long* count) { return Give<long>(pages_.count(), count); }

STDMETHODIMP VelPageStrip::get_Height(long index, long* height) {
  return Give<long>(pages_.IsPage(index) ? pages_.page(index).height : -1, height);
}

STDMETHODIMP VelPageStrip::put_Height(long index, long height) {
  if (!pages_.IsPage(index)) return S_OK;
  pages_.page(index).height = std::max<long>(height, GetSystemMetrics(SM_CYCAPTION));
  if (window()) SendMessageW(window(), kRelayoutMessage, 0, 0);
  // Every header below the changed one moved: the open page's window
  // follows the content area.
  FitActiveWindow();
  return S_OK;
}

STDMETHODIMP VelPageStrip::IsPage(long index, long* isPage) {
  return Give(pages_.IsPage(index) ? 1L : 0L, isPage);
}

STDMETHODIMP VelPageStrip::SetPageName(long index, BSTR name) {
  if (!pages_.IsPage(index)) return S_OK;
  pages_.page(index).name = TextOf(name);
  RedrawHeader(index);
  return S_OK;
}

// --- Opening pages

void VelPageStrip::OpenPage(int index) {
  if (!pages_.IsPage(index) || index == pages_.active()) return;
  Animate(index);
  pages_.MoveStacksToOpen(index);
  Layout();
  MakeActive(index);
}

void VelPageStrip::Animate(int index) {
  if (!window() || !IsWindowVisible(window()) || !animation_) return;
  RECT client = {};
  GetClientRect(window(), &client);
  PageChange change;
  change.strip = window();
  change.pageWindow = pages_.page(index).window;
  if (pages_.IsPage(pages_.active())) change.closingWindow = pages_.page(pages_.active()).window;
  change.contentArea = pages_.contentArea();
  change.scroll = pages_.PlanScroll(index, client.right);
  change.background = BackgroundRgb();
  change.pauseMs = sleep_ > 0 ? static_cast<DWORD>(2 * sleep_) : 0;
  AnimatePageChange(change);
}

void VelPageStrip::MakeActive(int index) {
  int previous = pages_.active();
  if (pages_.IsPage(previous) && previous != index && pages_.page(previous).window) {
    ShowWindow(pages_.page(previous).window, SW_HIDE);
  }
  pages_.SetActive(index);
  FitActiveWindow();
  HWND page = pages_.page(index).window;
  if (page && IsWindowVisible(page)) SetFocus(page);
  ClearHot();
  FireEvent(kActivatePageEvent, {com::Variant(static_cast<long>(index))});
}

void VelPageStrip::Layout() {
  RECT client = {};
  if (window()) GetClientRect(window(), &client);
  pages_.Layout(client);
  if (window()) InvalidateRect(window(), nullptr, TRUE);
}

void VelPageStrip::FitActiveWindow() {
  if (!pages_.IsPage(pages_.active())) return;
  HWND page = pages_.page(pages_.active()).window;
  if (!page) return;
  const RECT& area = pages_.contentArea();
  MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
  ShowWindow(page, SW_SHOW);
}

void VelPageStrip::Attach(int index, HWND page) {
  // A page that had a window gives it back first.
  Detach(index);
  LONG_PTR style = GetWindowLongPtrW(window(), GWL_STYLE);
  if (!(style & WS_CLIPCHILDREN)) SetWindowLongPtrW(window(), GWL_STYLE, style | WS_CLIPCHILDREN);
  PageRecord& record = pages_.page(index);
  record.previousParent = SetParent(page, window());
  record.window = page;
  ShowWindow(page, SW_HIDE);
  FitActiveWindow();
}

void VelPageStrip::Detach(int index) {
  PageRecord& record = pages_.page(index);
  if (!record.window) return;
  if (IsWindow(record.window) && IsWindow(record.previousParent)) {
    SetParent(record.window, record.previousParent);
  }
  record.window = nullptr;
  record.previousParent = nullptr;
  if (window()) InvalidateRect(window(), nullptr, TRUE);
}

// --- Painting

COLORREF VelPageStrip::BackgroundRgb() const {
  COLORREF colour = 0;
  if (FAILED(OleTranslateColor(backColor(), nullptr, &colour)))
    colour = GetSysColor(COLOR_APPWORKSPACE);
  return colour;
}

void VelPageStrip::OnDraw(HDC dc, const RECT& bounds) {
  HBRUSH background = CreateSolidBrush(BackgroundRgb());
  if (!window()) {
    HGDIOBJ oldBrush = SelectObject(dc, background);
    Rectangle(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    SelectObject(dc, oldBrush);
    DeleteObject(background);
    return;
  }
  RECT client = {};
  GetClientRect(window(), &client);
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = buffer ? CreateCompatibleBitmap(dc, client.right, client.bottom) : nullptr;
  // Without memory for the buffer the headers go straight to the screen.
  HDC target = bitmap ? buffer : dc;
  HGDIOBJ oldBitmap = bitmap ? SelectObject(buffer, bitmap) : nullptr;
  FillRect(target, &client, background);
  for (int i = 0; i < pages_.count(); ++i) DrawHeader(target, pages_.page(i), i == pages_.active());
  if (bitmap) {
    BitBlt(dc, bounds.left, bounds.top, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, oldBitmap);
    DeleteObject(bitmap);
  }
  if (buffer) DeleteDC(buffer);
  DeleteObject(background);
}

void VelPageStrip::RedrawHeader(int index) {
  if (!window() || !pages_.IsPage(index)) return;
  HDC dc = GetDC(window());
  if (!dc) return;
  DrawHeader(dc, pages_.page(index), index == pages_.active());
  ReleaseDC(window(), dc);
}

// --- The container

void VelPageStrip::OnClientSiteChanged() {
  OLE_COLOR colour;
  if (clientSite() && AmbientBackColor(&colour)) SetBackColorQuietly(colour);
}

void VelPageStrip::OnAmbientChanged(DISPID dispid) {
  bool any = dispid == DISPID_UNKNOWN;
  com::Ptr<IFontDisp> font;
  if ((any || dispid == DISPID_AMBIENT_FONT) && AmbientFont(&font)) SetHeaderFont(font.Get());
  OLE_COLOR colour;
  if ((any || dispid == DISPID_AMBIENT_BACKCOLOR) && AmbientBackColor(&colour)) {
    SetBackColorQuietly(colour);
    FireViewChange();
  }
}

// --- Window messages

bool VelPageStrip::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_SIZE:
      *result = OnSize();
      return true;
    case kRelayoutMessage:
      *result = OnRelayout();
      return true;
    case WM_ERASEBKGND:
      *result = OnEraseBackground();
      return true;
    case WM_MOUSEMOVE:
      *result = OnMouseMove(lParam);
      return true;
    case WM_TIMER:
      if (wParam != kHoverTimer) return false;
      *result = OnTimer(wParam);
      return true;
    case WM_LBUTTONDOWN:
      *result = OnLButtonDown(lParam);
      return true;
  }
  return false;
}

LRESULT VelPageStrip::OnSize() {
  Layout();
  FitActiveWindow();
  return 0;
}

LRESULT VelPageStrip::OnRelayout() {
  Layout();
  return 0;
}

// The stock font becomes the captions' font as the strip repaints; the
// painting covers every pixel, so nothing is erased.
LRESULT VelPageStrip::OnEraseBackground() {
  SetHeaderFont(font());
  return 1;
}

LRESULT VelPageStrip::OnMouseMove(LPARAM lParam) {
  POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  int hit = pages_.HitTest(point);
  if (hit >= 0 && hit != hot_ && hit != pages_.active() && window()) {
    HDC dc = GetDC(window());
    if (dc) {
      DrawHotHeader(dc, pages_.page(hit));
      ReleaseDC(window(), dc);
    }
  }
  if (hot_ != hit) RedrawHeader(hot_);
  hot_ = hit;
  KillTimer(window(), kHoverTimer);
  if (hot_ >= 0) SetTimer(window(), kHoverTimer, kHoverPeriodMs, nullptr);
  return 0;
}

LRESULT VelPageStrip::OnTimer(WPARAM) {
  POINT cursor = {};
  GetCursorPos(&cursor);
  if (WindowFromPoint(cursor) == window()) return 0;
  int wasHot = hot_;
  ClearHot();
  RedrawHeader(wasHot);
  return 0;
}

void VelPageStrip::ClearHot() {
  hot_ = -1;
  if (window()) KillTimer(window(), kHoverTimer);
}

LRESULT VelPageStrip::OnLButtonDown(LPARAM lParam) {
  POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  int hit = pages_.HitTest(point);
  if (hit < 0) return 0;
  if (hit == pages_.active()) {
    FireEvent(kClickOnActivePageEvent, {com::Variant(static_cast<long>(hit))});
  } else {
    OpenPage(hit);
  }
  return 0;
}

}  // namespace morvex::pagestrip
