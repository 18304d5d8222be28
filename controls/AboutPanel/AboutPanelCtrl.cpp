#include "AboutPanelCtrl.h"

#include "AboutPanelResource.h"
#include "SplashAnimation.h"
#include "com/Reflection.h"
#include "com/WideText.h"

namespace morvex::aboutpanel {

namespace {

constexpr DISPID kOnExitEvent = 1;
constexpr int kOkButtonId = 650;
constexpr int kLinkId = 652;
constexpr COLORREF kLinkHover = RGB(0, 0, 0xFF);
constexpr COLORREF kLinkNormal = RGB(0, 0, 0x80);
constexpr char kMakerAddress[] = "https://morvex.example.org/";
constexpr SIZE kLinkCreated = {100, 20};

std::string AnsiText(BSTR text) {
  return com::AnsiFromWide(std::wstring_view(text ? text : L"", SysStringLen(text)));
}

COLORREF Translated(OLE_COLOR colour) {
  COLORREF rgb = 0;
  return SUCCEEDED(OleTranslateColor(colour, nullptr, &rgb)) ? rgb : static_cast<COLORREF>(colour);
}

// The description of the font a font object holds now.
bool DescribeFont(IFontDisp* font, LOGFONTA* description) {
  com::Ptr<IFont> details;
  HFONT handle = nullptr;
  return font && SUCCEEDED(font->QueryInterface(IID_IFont, details.PutVoid())) &&
         SUCCEEDED(details->get_hFont(&handle)) && handle &&
         GetObjectA(handle, sizeof *description, description) != 0;
}

HFONT HandleOf(IFontDisp* font) {
  com::Ptr<IFont> details;
  HFONT handle = nullptr;
  if (!font || FAILED(font->QueryInterface(IID_IFont, details.PutVoid()))) return nullptr;
  return SUCCEEDED(details->get_hFont(&handle)) ? handle : nullptr;
}

}  // namespace

AboutPanelCtrl::AboutPanelCtrl()
    : Control(CLSID_AboutPanelCtrl, {"MorvexAboutPanelWindow"}), linkText_(kMakerAddress) {
  HRSRC found = FindResourceA(com::ModuleInstance(), MAKEINTRESOURCEA(IDB_ABOUT_BACKGROUND),
                              MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  HGLOBAL loaded = found ? LoadResource(com::ModuleInstance(), found) : nullptr;
  if (loaded)
    picture_.Attach(LockResource(loaded), SizeofResource(com::ModuleInstance(), found), false,
                    nullptr);
}

// The window and the children's windows are gone by now (the control base
// destroys them at the last release); the link frees its cursor itself.
AboutPanelCtrl::~AboutPanelCtrl() {
  if (buttonFont_) DeleteObject(buttonFont_);
}

STDMETHODIMP AboutPanelCtrl::put_EMailAdress(BSTR address) {
  linkText_ = AnsiText(address);
  link_.SetText(linkText_.c_str());
  Redraw();
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::GetWndSize(long* cx, long* cy) {
  if (!cx || !cy) return E_POINTER;
  SIZE size = picture_.Size();
  *cx = size.cx;
  *cy = size.cy;
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::ShowMoveSplash(long bUp) {
  const FramePoint target = QuerySplashTarget();
  if (bUp == 1) {
    SIZE picture = picture_.Size();
    PlaySplashFrames(GrowFrames(target, GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN), picture.cx, picture.cy));
    return S_OK;
  }
  RECT bounds = {};
  if (window()) GetWindowRect(window(), &bounds);
  PlaySplashFrames(ShrinkFrames({bounds.left, bounds.top, bounds.right, bounds.bottom}, target));
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::put_AboutDlgStile(long style) {
  style_ = style;
  return S_OK;
}

// The host lets go of the font object at once, and its handle with it: the
// button keeps a font of its own made from the description.
STDMETHODIMP AboutPanelCtrl::put_FontAbout(IFontDisp* font) {
  LOGFONTA description = {};
  if (!DescribeFont(font, &description)) return S_OK;
  HFONT own = CreateFontIndirectA(&description);
  if (!own) return S_OK;
  SetButtonFont(own);
  buttonFont_ = own;
  link_.SetFont(description);
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::SetHyperLinkPoint(long cx, long cy) {
  linkPosition_ = {cx, cy};
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::SetBnOkPoint(long cx, long cy) {
  okPosition_ = {cx, cy};
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::GetHyperLinkPos(long* left, long* top, long* right, long* bottom) {
  if (!left || !top || !right || !bottom) return E_POINTER;
  ChildRect(link_.handle(), window(), left, top, right, bottom);
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::SetHyperLinkColor(OLE_COLOR link, OLE_COLOR hiLink) {
  link_.SetColors(Translated(link), Translated(hiLink), Translated(link));
  return S_OK;
}

// The block stays the host's and is drawn where it lies; 0 takes the
// picture away.
STDMETHODIMP AboutPanelCtrl::SetResourseBmp(LONG_PTR block) {
  if (block)
    picture_.Attach(reinterpret_cast<const void*>(block), controls::kPackedDibSizeUnknown, false,
                    nullptr);
  else
    picture_.Release();
  Redraw();
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::put_BnOkTitle(BSTR title) {
  okTitle_ = AnsiText(title);
  if (okButton_.handle()) SetWindowTextA(okButton_.handle(), okTitle_.c_str());
  Redraw();
  return S_OK;
}

STDMETHODIMP AboutPanelCtrl::GetBnOkPos(long* left, long* top, long* right, long* bottom) {
  if (!left || !top || !right || !bottom) return E_POINTER;
  ChildRect(okButton_.handle(), window(), left, top, right, bottom);
  return S_OK;
}

// The picture is the whole of the panel's look, drawn as its background.
void AboutPanelCtrl::OnDraw(HDC, const RECT&) {}

bool AboutPanelCtrl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_CREATE:
      *result = OnCreate();
      return true;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_SETFOCUS:
      // The control base still tells the site of the focus.
      OnSetFocus();
      return false;
    case WM_COMMAND:
      *result = OnCommand(wParam, lParam);
      return true;
    case WM_CTLCOLORBTN:
      *result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      return true;
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
      return com::ReflectNotification(window(), message, wParam, lParam, result);
  }
  return false;
}

void AboutPanelCtrl::OnAmbientChanged(DISPID dispid) {
  if (dispid != DISPID_AMBIENT_FONT && dispid != DISPID_UNKNOWN) return;
  if (!TakeAmbientFont()) return;
  SetButtonFont(HandleOf(font()));
}

// The children stand on the picture: the panel paints under them.
LRESULT AboutPanelCtrl::OnCreate() {
  HWND panel = window();
  SetWindowLongPtrA(panel, GWL_STYLE,
                    GetWindowLongPtrA(panel, GWL_STYLE) & ~(WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
  const DWORD childStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  HWND button = CreateWindowExA(0, "BUTTON", okTitle_.c_str(), childStyle, 0, 0, kOkButtonWidth,
                                kOkButtonHeight, panel, reinterpret_cast<HMENU>(kOkButtonId),
                                com::ModuleInstance(), nullptr);
  if (button && okButton_.Attach(button)) {
    controls::FlatButtonLook& look = okButton_.look();
    look.transparent = true;
    look.coldEdge = true;
  }
  HWND link = CreateWindowExA(0, "STATIC", linkText_.c_str(), childStyle | SS_NOTIFY, 0, 0,
                              kLinkCreated.cx, kLinkCreated.cy, panel,
                              reinterpret_cast<HMENU>(kLinkId), com::ModuleInstance(), nullptr);
  if (link && link_.Attach(link, kLinkHover, kLinkNormal)) {
    link_.SetCursor(static_cast<HCURSOR>(
        LoadImageA(com::ModuleInstance(), MAKEINTRESOURCEA(IDC_LINK_HAND), IMAGE_CURSOR, 0, 0, 0)));
  }
  if (buttonFont_)
    SetButtonFont(buttonFont_);
  else if (font())
    SetButtonFont(HandleOf(font()));
  return 0;
}

void AboutPanelCtrl::OnSize(int width, int height) {
  if (PlaceOkButton(width, height, &okPosition_) && okButton_.handle())
    SetFocus(okButton_.handle());
  if (okButton_.handle())
    MoveWindow(okButton_.handle(), okPosition_.x, okPosition_.y, kOkButtonWidth, kOkButtonHeight,
               TRUE);
  if (!link_.handle()) return;
  SIZE text = link_.TextExtent();
  FrameRect area = PlaceLink(height, text.cx, text.cy, &linkPosition_);
  RECT fit = {area.left, area.top, area.right, area.bottom};
  link_.Fit(&fit);
}

LRESULT AboutPanelCtrl::OnEraseBkgnd(HDC dc) {
  SIZE size = picture_.Size();
  picture_.Draw(dc, 0, 0, size.cx, size.cy);
  return 1;
}

void AboutPanelCtrl::OnSetFocus() {
  if (okButton_.handle()) SetFocus(okButton_.handle());
}

LRESULT AboutPanelCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND from = reinterpret_cast<HWND>(lParam);
  if (!from) return 0;
  if (HIWORD(wParam) == controls::TABKEY_NOTIFY) {
    if (from == okButton_.handle() && link_.handle()) SetFocus(link_.handle());
    if (from == link_.handle() && okButton_.handle()) SetFocus(okButton_.handle());
    return 0;
  }
  // A click, or Enter released on the child: BN_CLICKED and STN_CLICKED
  // are both 0.
  if (HIWORD(wParam) != BN_CLICKED) return 0;
  if (from == okButton_.handle()) FireEvent(kOnExitEvent, {com::Variant(1L)});
  if (from == link_.handle()) link_.Open();
  return 0;
}

void AboutPanelCtrl::Redraw() {
  if (window()) InvalidateRect(window(), nullptr, TRUE);
}

void AboutPanelCtrl::SetButtonFont(HFONT font) {
  if (okButton_.handle() && font)
    SendMessageA(okButton_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (buttonFont_ && buttonFont_ != font) {
    DeleteObject(buttonFont_);
    buttonFont_ = nullptr;
  }
}

void AboutPanelCtrl::ChildRect(HWND child, HWND parent, long* left, long* top, long* right,
                               long* bottom) {
  RECT rect = {};
  if (child && parent) {
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  *left = rect.left;
  *top = rect.top;
  *right = rect.right;
  *bottom = rect.bottom;
}

}  // namespace morvex::aboutpanel
