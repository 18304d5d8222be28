#include "app/StatusBar.h"

#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>
#include <uxtheme.h>

#include <cctype>
#include <cstring>

#include "app/InterfaceResources.h"
#include "app/Resources.h"
#include "com/Module.h"
#include "com/Reflection.h"

namespace morvex::solo {

namespace {

constexpr int kButtonPart = 0;
constexpr int kMiddlePart = 1;
constexpr int kIndicatorPart = 2;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr char kFrameFace[] = "Marlett";
// Marlett's two halves of a sunken frame: light upper left, dark lower right.
constexpr char kFrameLightGlyph[] = "o";
constexpr char kFrameDarkGlyph[] = "p";
constexpr UINT kOneLineCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

SIZE TextSize(HDC dc, const std::string& text) {
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

std::string WindowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

COLORREF ShadowColour(IVelMorvexOpt* options) {
  OLE_COLOR shadow = 0;
  COLORREF colour = 0;
  if (options && SUCCEEDED(options->get_ColorShadow(&shadow))) {
    OleTranslateColor(shadow, nullptr, &colour);
  }
  return colour;
}

// The font the system gives for a face it lacks is another face: that
// font has none of the frame's glyphs.
bool IsFace(HDC dc, const char* face) {
  char selected[LF_FACESIZE] = {};
  GetTextFaceA(dc, sizeof selected, selected);
  return lstrcmpiA(selected, face) == 0;
}

}  // namespace

const char CStatusBar::kClassName[] = "VelMorStatusBar";

CStatusBar::~CStatusBar() { Destroy(); }

bool CStatusBar::Create(HWND parent, UINT id, DWORD style) {
  com::WindowClassSpec spec = {kClassName};
  spec.style = 0;
  spec.superclassOf = STATUSCLASSNAMEA;
  return Window::Create(spec, parent, RECT{}, style, 0, id);
}

LRESULT CStatusBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      return OnNcCreate(wParam, lParam);
    case WM_CREATE:
      return OnCreate(wParam, lParam);
    case WM_SIZE:
      return OnSize(wParam, lParam);
    case WM_DRAWITEM:
      return OnDrawItem(wParam, lParam);
    case WM_DESTROY:
      if (timer_) KillTimer(handle(), kLayoutTimer);
      timer_ = 0;
      break;
    case WM_TIMER:
      return OnTimer();
    case WM_COMMAND:
      // A click, or Enter released on the button.
      if (wParam == kButtonId) {
        RunSettings();
        return 0;
      }
      break;
    case com::kReflectedMessageBase + WM_NOTIFY:
      return OnReflectedNotify(wParam, lParam);
  }
  return DefaultProcessing(message, wParam, lParam);
}

// No size grip (the bar is not at a resizable corner of its own), and part
// tips.
LRESULT CStatusBar::OnNcCreate(WPARAM wParam, LPARAM lParam) {
  auto* creation = reinterpret_cast<CREATESTRUCTA*>(lParam);
  creation->style = (creation->style & ~static_cast<LONG>(SBARS_SIZEGRIP)) | SBARS_TOOLTIPS;
  SetWindowLongPtrA(handle(), GWL_STYLE, creation->style);
  return DefaultProcessing(WM_NCCREATE, wParam, lParam);
}

LRESULT CStatusBar::OnCreate(WPARAM wParam, LPARAM lParam) {
  LRESULT created = DefaultProcessing(WM_CREATE, wParam, lParam);
  if (created == -1) return created;
  // A visual style paints the bar its own way, over the options' colour.
  // Names no style has turn it off (Wine refuses the empty ones).
  SetWindowTheme(handle(), L" ", L" ");
  // The parts are measured on the button: it comes first.
  CreateButton();
  Layout(-1);
  SendMessageA(handle(), SB_SETTEXTA, kMiddlePart, reinterpret_cast<LPARAM>(""));
  layout_ = layoutSource_();
  timer_ = SetTimer(handle(), kLayoutTimer, kLayoutTimerPeriod, nullptr);
  return created;
}

void CStatusBar::CreateButton() {
  const std::string caption = InterfaceString(IDS_SETTINGS_BUTTON);
  HWND button = CreateWindowExA(0, "BUTTON", caption.c_str(), kButtonStyle, 0, 0, 0, 0, handle(),
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonId)),
                                com::ModuleInstance(), nullptr);
  if (!button) return;
  if (!button_.Attach(button)) return;
  controls::FlatButtonLook& look = button_.look();
  look.coldEdge = true;
  look.coldBack = look.hotBack = backColour_;
}

// The common control fits itself to its parent here, sending a WM_SIZE of
// its own on the way: the width in lParam may be stale by then.
LRESULT CStatusBar::OnSize(WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefaultProcessing(WM_SIZE, wParam, lParam);
  RECT client = {};
  GetClientRect(handle(), &client);
  Layout(client.right);
  return result;
}

LRESULT CStatusBar::OnDrawItem(WPARAM wParam, LPARAM lParam) {
  if (wParam == kButtonId && button_.handle()) {
    SendMessageA(button_.handle(), WM_DRAWITEM, wParam, lParam);
  }
  return TRUE;
}

LRESULT CStatusBar::OnTimer() {
  HKL layout = layoutSource_();
  if (layout != layout_) {
    layout_ = layout;
    Layout(-1);
  }
  return 0;
}

LRESULT CStatusBar::OnReflectedNotify(WPARAM wParam, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header && header->code == static_cast<UINT>(NM_CLICK) &&
      reinterpret_cast<const NMMOUSE*>(lParam)->dwItemSpec == kButtonPart) {
    RunSettings();
    return 0;
  }
  return DefaultProcessing(com::kReflectedMessageBase + WM_NOTIFY, wParam, lParam);
}

std::string CStatusBar::LayoutCode() const {
  const LANGID primary =
      static_cast<LANGID>(LOWORD(reinterpret_cast<UINT_PTR>(layoutSource_())) & 0x3FF);
  char name[16] = {};
  if (GetLocaleInfoA(MAKELCID(primary, SORT_DEFAULT), LOCALE_SABBREVLANGNAME, name, sizeof name) <=
      0) {
    name[0] = '\0';
  }
  std::string code(name, strnlen(name, 2));
  for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return code;
}

void CStatusBar::Layout(int width) {
  if (width < 0) {
    RECT client = {};
    GetClientRect(GetParent(handle()), &client);
    width = client.right;
  }
  const std::string code = LayoutCode();
  HWND button = button_.handle();
  if (!button) return;

  HDC dc = GetDC(button);
  HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)));
  const SIZE captionSize = TextSize(dc, WindowText(button));
  const SIZE codeSize = TextSize(dc, code);
  SelectObject(dc, oldFont);
  ReleaseDC(button, dc);

  int edges[3] = {
      captionSize.cx + GetSystemMetrics(SM_CXSMICON),
      width - 2 * (codeSize.cx + 2 * GetSystemMetrics(SM_CXEDGE)),
      -1,
  };
  SendMessageA(handle(), SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  SendMessageA(handle(), SB_SETTEXTA, kIndicatorPart | SBT_OWNERDRAW, 0);
  // A part's tooltip exists only once the part does.
  const std::string tip = InterfaceString(IDS_SETTINGS_BUTTON);
  SendMessageA(handle(), SB_SETTIPTEXTA, kMiddlePart, reinterpret_cast<LPARAM>(tip.c_str()));
  RECT part = {};
  SendMessageA(handle(), SB_GETRECT, kButtonPart, reinterpret_cast<LPARAM>(&part));
  MoveWindow(button, part.left, part.top, part.right - part.left, part.bottom - part.top, TRUE);
}

void CStatusBar::DrawIndicator(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  SetBkMode(dc, TRANSPARENT);
  DrawFrameGlyphs(item);
  const std::string code = LayoutCode();
  RECT area = item.rcItem;
  DrawTextA(dc, code.c_str(), static_cast<int>(code.size()), &area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void CStatusBar::DrawFrameGlyphs(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const int height = item.rcItem.bottom - item.rcItem.top;
  // Unsmoothed: smoothing would blend the frame's two colours into others.
  HFONT font = CreateFontA(-MulDiv(height, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL,
                           FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, kFrameFace);
  if (!font) return;
  HGDIOBJ oldFont = SelectObject(dc, font);
  if (IsFace(dc, kFrameFace)) {
    const COLORREF oldColour = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT area = item.rcItem;
    DrawTextA(dc, kFrameLightGlyph, 1, &area, kOneLineCentred);
    SetTextColor(dc, ShadowColour(flow_.options()));
    area = item.rcItem;
    DrawTextA(dc, kFrameDarkGlyph, 1, &area, kOneLineCentred);
    SetTextColor(dc, oldColour);
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);
}

void CStatusBar::SetDictionaryName(const std::string& name) {
  if (handle()) SendMessageA(handle(), SB_SETTEXTA, kMiddlePart, reinterpret_cast<LPARAM>(name.c_str()));
}

void CStatusBar::RunSettings() { flow_.Run(handle()); }

void CStatusBar::SetBackColor(COLORREF colour) {
  backColour_ = colour;
  SendMessageA(handle(), SB_SETBKCOLOR, 0, static_cast<LPARAM>(colour));
  controls::FlatButtonLook& look = button_.look();
  look.coldBack = look.hotBack = colour;
  if (button_.handle()) InvalidateRect(button_.handle(), nullptr, TRUE);
}

void CStatusBar::ApplyOptions() {
  IVelMorvexOpt* options = flow_.options();
  if (!options) return;
  // A system colour would mean nothing to the bar.
  OLE_COLOR back = 0;
  COLORREF colour = 0;
  if (SUCCEEDED(options->get_ColorBack(&back)) &&
      SUCCEEDED(OleTranslateColor(back, nullptr, &colour))) {
    SetBackColor(colour);
  }
  com::Ptr<IFontDisp> fontDisp;
  com::Ptr<IFont> font;
  HFONT handle = nullptr;
  if (FAILED(options->get_Font(fontDisp.Put())) || !fontDisp || FAILED(fontDisp.As(&font)) ||
      FAILED(font->get_hFont(&handle)) || !handle) {
    return;
  }
  SendMessageA(this->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
  if (button_.handle()) {
    SendMessageA(button_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
  }
}

void CStatusBar::SetButtonIcons(HICON hot, HICON cold, int width, int height) {
  button_.SetIcons(hot, cold, width, height);
}

}  // namespace morvex::solo
