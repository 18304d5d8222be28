// The main window in the notification area: the tray icon and its menu,
// the menu's commands, and the splash and the about box, both shown by
// the splash and about host (app/SplashHost.h).
#include <olectl.h>

#include <string>

#include "app/InterfaceResources.h"
#include "app/MainWindow.h"
#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "app/SelectionCapture.h"
#include "app/SystemFonts.h"
#include "app/TrayIcon.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::solo {

namespace {

constexpr UINT kSplashMs = 2000;
constexpr int kTipCapacity = 64;

// The system's status font as a font object; null when none can be made.
com::Ptr<IFontDisp> StatusFont() {
  NONCLIENTMETRICSA metrics = NonClientMetrics();
  const LOGFONTA& font = metrics.lfStatusFont;
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const LONG points = pixelsPerInch ? -(font.lfHeight * 72 / pixelsPerInch) : 0;
  wchar_t faceName[LF_FACESIZE] = {};
  MultiByteToWideChar(CP_ACP, 0, font.lfFaceName, -1, faceName, LF_FACESIZE);
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = faceName;
  description.cySize.int64 = static_cast<LONGLONG>(points) * 10000;
  description.sWeight = static_cast<SHORT>(font.lfWeight);
  description.sCharset = font.lfCharSet;
  description.fItalic = font.lfItalic != 0;
  description.fUnderline = font.lfUnderline != 0;
  description.fStrikethrough = font.lfStrikeOut != 0;
  com::Ptr<IFontDisp> made;
  OleCreateFontIndirect(&description, IID_IFontDisp, made.PutVoid());
  return made;
}

}  // namespace

// --- The icon and its menu

BOOL CMainWindow::NotifyTray(DWORD message, HICON icon) {
  return NotifyTrayIcon(message, handle(), icon ? icon : smallIcon_,
                        InterfaceString(IDS_WINDOW_TITLE, kTipCapacity));
}

void CMainWindow::ShowTrayMenu() { TrackTrayMenu(handle(), traySubmenu_); }

LRESULT CMainWindow::OnTrayCallback(WPARAM id, LPARAM mouseMessage) {
  if (id != kTrayIconId) return 0;
  switch (mouseMessage) {
    case WM_LBUTTONDBLCLK:
      if (traySubmenu_) {
        const UINT command = GetMenuDefaultItem(traySubmenu_, FALSE, 0);
        if (command != static_cast<UINT>(-1))
          PostMessageA(handle(), WM_COMMAND, LOWORD(command), 0);
      }
      break;
    case WM_RBUTTONUP:
      ShowTrayMenu();
      break;
  }
  return 0;
}

// The renderer's records go with the old items, before their menu; the
// submenu goes with the menu it belongs to.
void CMainWindow::ReloadTrayMenu() {
  menuPainter_.ConvertAll(false);
  if (trayMenu_) DestroyMenu(trayMenu_);
  trayMenu_ = traySubmenu_ = nullptr;
  LoadTrayMenu();
  menuPainter_.Attach(handle(), traySubmenu_);
  NotifyTray(NIM_MODIFY);
}

// The shell started again and knows no icon.
LRESULT CMainWindow::OnTaskbarCreated() {
  NotifyTray(NIM_ADD);
  return 0;
}

// --- The commands

LRESULT CMainWindow::OnTranslationCommand() {
  ShowPage(translationPage_);
  return 0;
}

// The clipboard's word, selected in the viewer's entry.
LRESULT CMainWindow::OnDictionaryCommand() {
  std::string word;
  if (viewer_ && ReadClipboardWord(&word)) {
    viewer_->SetSeekWord(com::Bstr(com::WideFromAnsi(word).c_str()).Get());
    viewer_->SelectAll(0);
  }
  OpenPage(dictionaryPage_);
  if (!IsWindowVisible(handle())) ShowWindow(handle(), SW_SHOW);
  BringWindowToTop(handle());
  return 0;
}

LRESULT CMainWindow::OnCollectionCommand() {
  OpenPage(collectionPage_);
  if (!IsWindowVisible(handle())) ShowWindow(handle(), SW_SHOW);
  BringWindowToTop(handle());
  return 0;
}

LRESULT CMainWindow::OnAboutCommand() {
  if (!ModalDialogRunning()) OpenAbout();
  return 0;
}

// --- The splash

LRESULT CMainWindow::OnTimer(WPARAM id) {
  if (id == kSplashTimer) CloseSplash();
  return 0;
}

// The splash's OK ends it at once; the about box's closes the box.
LRESULT CMainWindow::OnAboutClosed() {
  if (!splash_) return 0;
  if (splashIsAbout_) {
    CloseAbout();
  } else {
    CloseSplash();
  }
  return 0;
}

// The icon comes when the splash goes. A splash that cannot come up would
// leave the program with no icon and no Exit: the icon then comes at once.
void CMainWindow::OpenSplash() {
  auto host = std::make_unique<CSplashHost>();
  if (!host->Create(handle()) || !host->HasPanel()) {
    NotifyTray(NIM_ADD);
    return;
  }
  host->SetMainWindow(handle());
  splash_ = std::move(host);
  splashIsAbout_ = false;
  splash_->ShowSplash(animation_ != 0, true);
  SetTimer(handle(), kSplashTimer, kSplashMs, nullptr);
}

void CMainWindow::CloseSplash() {
  if (!splash_ || splashIsAbout_) return;
  KillTimer(handle(), kSplashTimer);
  splash_->ShowSplash(animation_ != 0, false);
  NotifyTray(NIM_ADD);
  DestroySplashHost();
}

// --- The about box

// One host at a time: never while the splash is up.
void CMainWindow::OpenAbout() {
  if (splash_) return;
  auto host = std::make_unique<CSplashHost>();
  if (!host->Create(handle())) return;
  host->SetMainWindow(handle());
  splash_ = std::move(host);
  splashIsAbout_ = true;
  // The panel makes a font of its own from this one, which goes at once.
  if (com::Ptr<IFontDisp> font = StatusFont()) splash_->SetAboutFont(font.Get());
  splash_->ShowAbout(animation_ != 0, true);
}

void CMainWindow::CloseAbout() {
  if (!splash_ || !splashIsAbout_) return;
  splash_->ShowAbout(animation_ != 0, false);
  DestroySplashHost();
}

void CMainWindow::DestroySplashHost() {
  if (!splash_) return;
  splash_->Destroy();
  splash_.reset();
  splashIsAbout_ = false;
}

}  // namespace morvex::solo
