#include "controls/common/HyperLinkStatic.h"

#include <windowsx.h>

#include "com/Reflection.h"

namespace morvex::controls {

namespace {

LOGFONTA DefaultLinkFont() {
  LOGFONTA font = {};
  font.lfHeight = -8;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = RUSSIAN_CHARSET;
  font.lfOutPrecision = OUT_CHARACTER_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  lstrcpynA(font.lfFaceName, "MS Serif", LF_FACESIZE);
  return font;
}

HFONT MakeUnderlinedFont(LOGFONTA font) {
  font.lfUnderline = TRUE;
  return CreateFontIndirectA(&font);
}

struct ErrorText {
  INT_PTR result;
  const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {ERROR_FILE_NOT_FOUND, "The specified file was not found."},
    {ERROR_PATH_NOT_FOUND, "The specified path was not found."},
    {SE_ERR_ACCESSDENIED, "The operating system denied\naccess to the specified file."},
    {SE_ERR_OOM, "There was not enough memory to complete the operation."},
    {ERROR_BAD_FORMAT, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {SE_ERR_SHARE, "A sharing violation occurred. "},
    {SE_ERR_ASSOCINCOMPLETE, "The filename association is\nincomplete or invalid."},
    {SE_ERR_DDETIMEOUT,
     "The DDE transaction could not\nbe completed because the request timed out."},
    {SE_ERR_DDEFAIL, "The DDE transaction failed."},
    {SE_ERR_DDEBUSY,
     "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
     "being processed."},
    {SE_ERR_NOASSOC, "There is no application associated\nwith the given filename extension."},
    {SE_ERR_DLLNOTFOUND, "The specified dynamic-link library was not found."},
};

}  // namespace

RECT FitHyperLinkRect(const RECT& area, SIZE text, LONG style) {
  RECT fitted = area;
  const LONG width = area.right - area.left;
  const LONG height = area.bottom - area.top;
  if (style & SS_CENTERIMAGE) {
    // A margin of 5 in all, as the width gets 10: the text keeps its height.
    const LONG inset = (height - text.cy - 5) / 2;
    fitted.top += inset;
    fitted.bottom -= inset;
  } else {
    fitted.bottom = fitted.top + text.cy;
  }
  if (style & SS_CENTER) {
    const LONG inset = (width - text.cx) / 2 - 5;
    fitted.left += inset;
    fitted.right -= inset;
  } else if (style & SS_RIGHT) {
    fitted.left = fitted.right - text.cx - 5;
  } else {
    fitted.right = fitted.left + text.cx + 5;
  }
  return fitted;
}

const char* HyperLinkErrorText(INT_PTR result) {
  for (const ErrorText& entry : kErrorTexts)
    if (entry.result == result) return entry.text;
  return "Unknown Error occurred.";
}

HyperLinkStatic::HyperLinkStatic()
    : font_(MakeUnderlinedFont(DefaultLinkFont())), cursor_(LoadCursorA(nullptr, IDC_ARROW)) {}

HyperLinkStatic::~HyperLinkStatic() {
  // The window must not draw with the font once it is gone.
  Unsubclass();
  if (font_) DeleteObject(font_);
}

bool HyperLinkStatic::Attach(HWND window, COLORREF hover, COLORREF normal) {
  if (!Subclass(window)) return false;
  // The owner-draw style is a value of the type field, not a flag: or-ed
  // into a right-aligned static it would make an enhanced-metafile one.
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_OWNERDRAW | SS_NOTIFY);
  if (GetWindowTextLengthA(window) == 0) {
    SetWindowTextA(window, text_.c_str());
  } else if (text_.empty()) {
    text_.resize(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    text_.resize(
        static_cast<size_t>(GetWindowTextA(window, &text_[0], static_cast<int>(text_.size()))));
  }
  cursor_ = LoadCursorA(nullptr, IDC_ARROW);
  hover_ = hover;
  normal_ = normal;
  // The second fit starts from the first one's rectangle, whose centre
  // rounding it evens out.
  Fit(nullptr);
  Fit(nullptr);
  return true;
}

void HyperLinkStatic::SetFont(const LOGFONTA& font) {
  HFONT made = MakeUnderlinedFont(font);
  if (!made) return;
  if (font_) DeleteObject(font_);
  font_ = made;
  Redraw();
}

void HyperLinkStatic::SetColors(COLORREF hover, COLORREF normal, COLORREF visited) {
  hover_ = hover;
  normal_ = normal;
  visited_ = visited;
  Redraw();
}

void HyperLinkStatic::SetCursor(HCURSOR cursor) { cursor_ = cursor; }

void HyperLinkStatic::SetText(const char* text) {
  text_ = text ? text : "";
  if (handle()) SetWindowTextA(handle(), text_.c_str());
  Redraw();
}

SIZE HyperLinkStatic::TextExtent() const {
  SIZE extent = {0, 0};
  HDC dc = GetDC(handle());
  if (!dc) return extent;
  HGDIOBJ oldFont = SelectObject(dc, font_);
  if (!GetTextExtentPoint32A(dc, text_.c_str(), static_cast<int>(text_.size()), &extent))
    extent = {0, 0};
  SelectObject(dc, oldFont);
  ReleaseDC(handle(), dc);
  return extent;
}

void HyperLinkStatic::Fit(const RECT* area) {
  HWND window = handle();
  if (!window) return;
  RECT rect;
  if (area) {
    rect = *area;
  } else {
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  }
  const RECT fitted = FitHyperLinkRect(rect, TextExtent(), GetWindowLongA(window, GWL_STYLE));
  SetWindowPos(window, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
               fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HyperLinkStatic::Open() {
  const INT_PTR result = OpenUrl(text_.c_str(), SW_SHOW, *starter_);
  wasVisited_ = result > 32;
  Redraw();
  if (!wasVisited_)
    MessageBoxA(handle(), HyperLinkErrorText(result), kHyperLinkErrorCaption, MB_ICONWARNING);
  return wasVisited_;
}

LRESULT HyperLinkStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case com::kReflectedMessageBase + WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case com::kReflectedMessageBase + WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND:
      // The parent's background shows through the text.
      return 1;
    case WM_SETCURSOR:
      ::SetCursor(cursor_);
      return TRUE;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      break;
    case WM_CAPTURECHANGED:
      OnCaptureChanged();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      OnFocus(message == WM_SETFOCUS);
      break;
    case WM_KEYUP:
      if (OnKeyUp(wParam)) return 0;
      break;
    default:
      break;
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT HyperLinkStatic::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const COLORREF colour = hovering_ || focused_ ? hover_ : wasVisited_ ? visited_ : normal_;
  HDC dc = item.hDC;
  const COLORREF oldColour = SetTextColor(dc, colour);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  RECT rect = item.rcItem;
  // An address may hold '&', which is no mnemonic here.
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &rect,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
  return TRUE;
}

LRESULT HyperLinkStatic::OnCtlColorStatic(HDC dc) {
  SetTextColor(dc, wasVisited_ ? visited_ : hover_);
  SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void HyperLinkStatic::OnMouseMove(WPARAM keys, LPARAM position) {
  HWND window = handle();
  if (GetCapture() != window) {
    if (!GetParent(window)) return;
    SetCapture(window);
    hovering_ = true;
    Redraw();
    return;
  }
  RECT client;
  GetClientRect(window, &client);
  const POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (PtInRect(&client, point)) return;
  hovering_ = false;
  Redraw();
  // A press that began on the link keeps it until the button is up.
  if (!(keys & MK_LBUTTON)) ReleaseCapture();
}

// The capture has already gone (to another window, or to none): only the
// hover look is given up; releasing now would take the capture from the
// window that just got it.
void HyperLinkStatic::OnCaptureChanged() {
  if (!hovering_) return;
  hovering_ = false;
  Redraw();
}

void HyperLinkStatic::OnFocus(bool gained) {
  focused_ = gained;
  if (!gained) hovering_ = false;
  Redraw();
}

bool HyperLinkStatic::OnKeyUp(WPARAM key) {
  WORD code;
  if (key == VK_RETURN)
    code = 0;
  else if (key == VK_TAB)
    code = kTabKeyNotify;
  else
    return false;
  HWND window = handle();
  SendMessageA(GetParent(window), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(window)), code),
               reinterpret_cast<LPARAM>(window));
  return true;
}

void HyperLinkStatic::Redraw() {
  if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

}  // namespace morvex::controls
