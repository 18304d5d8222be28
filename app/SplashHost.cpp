#include "app/SplashHost.h"

#include <string>

#include "app/InterfaceResources.h"
#include "app/NotRegisteredError.h"
#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "app/SystemFonts.h"
#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/Module.h"
#include "com/WideText.h"

namespace morvex::solo {

namespace {

// Hidden until placed: a window found before it has its size shows nothing.
constexpr DWORD kHostStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DISPID kOnExit = 1;
constexpr long kSplashStyle = 1;
constexpr long kAboutStyle = 0;
// The panel's own places for its link and OK on the splash picture.
constexpr POINT kSplashLink = {152, 8};
constexpr POINT kSplashOk = {208, 180};
// The link sits this far from the about box's right edge, OK this far
// below the link's height.
constexpr int kAboutLinkRightMargin = 48;
constexpr int kAboutLinkTop = 8;
constexpr int kAboutOkFromRight = 40;
constexpr int kAboutOkBelowLink = 138;
constexpr DWORD kBeforeFramesMs = 100;
constexpr long kFramesShrink = 0;
constexpr long kFramesGrow = 1;
constexpr COLORREF kLinkHover = RGB(255, 255, 0);

// The picture as a packed bitmap in memory that stays for the life of the
// process: from the interface-language library, else from the program.
// The panel reads it whenever it paints, so it is never freed.
LONG_PTR PackedPicture() {
  for (HINSTANCE module : {ResourceLibrary(), com::ModuleInstance()}) {
    if (!module) continue;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDB_ABOUT_PICTURE), RT_BITMAP);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (const void* data = loaded ? LockResource(loaded) : nullptr)
      return reinterpret_cast<LONG_PTR>(data);
  }
  return 0;
}

// The link's extent in the system's status font.
SIZE LinkExtent(const std::string& text) {
  SIZE extent = {};
  NONCLIENTMETRICSA metrics = NonClientMetrics();
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&metrics.lfStatusFont);
  HGDIOBJ previous = font ? SelectObject(screen, font) : nullptr;
  GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &extent);
  if (previous) SelectObject(screen, previous);
  if (font) DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return extent;
}

}  // namespace

const char CSplashHost::kClassName[] = "VelSplashAboutHost";

CSplashHost::~CSplashHost() { Destroy(); }

bool CSplashHost::Create(HWND owner) {
  com::WindowClassSpec spec = {kClassName};
  spec.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  spec.background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  return Window::Create(spec, owner, RECT{}, kHostStyle);
}

bool CSplashHost::HasPanel() const { return static_cast<bool>(Panel()); }

LRESULT CSplashHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      // The host exists with or without its panel.
      return CreateAboutControl() ? 1 : 0;
    case WM_DESTROY:
      return OnDestroy();
  }
  return DefaultProcessing(message, wParam, lParam);
}

// --- The panel

bool CSplashHost::CreateAboutControl() {
  std::wstring progId;
  if (!com::ProgIdOfClass(CLSID_AboutPanelCtrl, &progId) || progId.empty()) {
    ShowNotRegisteredError(IDS_CONTROL_NAME_ABOUT_PANEL);
    return false;
  }
  controlHost_ = com::AxCreateHostWindow(handle(), nullptr, RECT{}, kControlHostId);
  if (!controlHost_) return false;
  if (FAILED(com::EventSink::Create(DIID__IAboutPanelCtrlEvents, &events_))) return false;
  events_->On(kOnExit, [this](com::EventArguments&) { OnExit(); });
  if (FAILED(com::AtlAxCreateControlEx(progId.c_str(), controlHost_, nullptr, nullptr, nullptr,
                                       DIID__IAboutPanelCtrlEvents, events_.Get()))) {
    return false;
  }
  com::Ptr<IAboutPanelCtrl> panel = Panel();
  if (!panel) return false;
  SetPicture(panel.Get());
  // The panel's colours are colours, not system colour indices: the
  // window colour for the hovered and visited link, yellow for the link.
  panel->SetHyperLinkColor(GetSysColor(COLOR_WINDOW), kLinkHover);
  panel->SetBnOkPoint(kSplashOk.x, kSplashOk.y);
  panel->SetHyperLinkPoint(kSplashLink.x, kSplashLink.y);
  return true;
}

void CSplashHost::SetPicture(IAboutPanelCtrl* panel) {
  if (LONG_PTR picture = PackedPicture()) panel->SetResourseBmp(picture);
}

// The host lets go of the panel, and so unadvises its events, before the
// handlers' object goes.
LRESULT CSplashHost::OnDestroy() {
  if (controlHost_) com::AxDetachControl(controlHost_);
  controlHost_ = nullptr;
  return DefaultProcessing(WM_DESTROY, 0, 0);
}

// Posted: the main window destroys this host, which must first return
// from the panel's event.
void CSplashHost::OnExit() {
  ShowWindow(handle(), SW_HIDE);
  if (mainWindow_ && IsWindow(mainWindow_)) PostMessageA(mainWindow_, WM_ABOUT_CLOSED, 0, 0);
}

com::Ptr<IAboutPanelCtrl> CSplashHost::Panel() const {
  com::Ptr<IAboutPanelCtrl> panel;
  com::Ptr<IUnknown> control;
  if (controlHost_ && SUCCEEDED(com::AtlAxGetControl(controlHost_, control.Put()))) {
    control.As(&panel);
  }
  return panel;
}

// --- Showing and hiding

void CSplashHost::SetAboutFont(IFontDisp* font) {
  if (com::Ptr<IAboutPanelCtrl> panel = Panel()) panel->put_FontAbout(font);
}

// The splash comes up at once (the program is starting; no frame flies
// out of a tray that has no icon yet) and flies into the tray as it goes.
void CSplashHost::ShowSplash(bool animate, bool show) {
  com::Ptr<IAboutPanelCtrl> panel = Panel();
  if (!panel) return;
  if (show) {
    panel->put_AboutDlgStile(kSplashStyle);
    PlaceCentred(panel.Get());
    return;
  }
  ShowWindow(handle(), SW_HIDE);
  Fly(panel.Get(), animate, kFramesShrink);
}

void CSplashHost::ShowAbout(bool animate, bool show) {
  com::Ptr<IAboutPanelCtrl> panel = Panel();
  if (!panel) return;
  if (!show) {
    Fly(panel.Get(), animate, kFramesShrink);
    return;
  }
  panel->put_AboutDlgStile(kAboutStyle);
  const std::string address = InterfaceString(IDS_WEB_ADDRESS);
  panel->put_EMailAdress(com::Bstr(com::WideFromAnsi(address).c_str()).Get());
  long cx = 0, cy = 0;
  panel->GetWndSize(&cx, &cy);
  const SIZE link = LinkExtent(address);
  panel->SetHyperLinkPoint(cx - link.cx - kAboutLinkRightMargin, kAboutLinkTop);
  panel->SetBnOkPoint(cx - kAboutOkFromRight, link.cy + kAboutOkBelowLink);
  Fly(panel.Get(), animate, kFramesGrow);
  if (PlaceCentred(panel.Get())) SetFocus(controlHost_);
}

bool CSplashHost::PlaceCentred(IAboutPanelCtrl* panel) {
  long cx = 0, cy = 0;
  if (FAILED(panel->GetWndSize(&cx, &cy)) || cx <= 0 || cy <= 0) return false;
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2 - cx / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2 - cy / 2;
  SetWindowPos(handle(), HWND_TOPMOST, x, y, cx, cy, SWP_SHOWWINDOW);
  SetWindowPos(controlHost_, nullptr, 0, 0, cx, cy, SWP_SHOWWINDOW | SWP_NOZORDER);
  return true;
}

void CSplashHost::Fly(IAboutPanelCtrl* panel, bool animate, long direction) {
  if (!animate) return;
  Sleep(kBeforeFramesMs);
  panel->ShowMoveSplash(direction);
}

}  // namespace morvex::solo
