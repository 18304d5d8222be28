// The main window's shut-down: Exit takes the program down in a fixed
// order (what shows goes first, then what the windows hold, the hot keys
// while the options still exist, the window last: its WM_DESTROY keeps the
// placement and ends the message loop), and the end of the Windows session
// keeps what Exit would have written.
#include "app/HotKeys.h"
#include "app/MainWindow.h"
#include "app/TrayIcon.h"
#include "app/WindowPlacement.h"

namespace morvex::solo {

// Refused under a modal dialog of the program: destroying the dialog's
// owner would pull the window out from under its modal loop.
LRESULT CMainWindow::OnExitCommand() {
  if (ModalDialogRunning()) return 0;
  // The about box (or the splash) goes at once, without its frames.
  KillTimer(handle(), kSplashTimer);
  DestroySplashHost();
  if (pageStrip_) {
    long pages = 0;
    pageStrip_->GetPagesCount(&pages);
    for (long page = pages - 1; page >= 0; --page) pageStrip_->DeletePage(page);
  }
  DisconnectControlEvents();
  tip_.Destroy();
  tipHost_ = nullptr;
  if (pageStripHost_ && DestroyWindow(pageStripHost_)) pageStripHost_ = nullptr;
  // The renderer reverts the tray menu's items before the menu goes.
  menuPainter_.Destroy();
  NotifyTray(NIM_DELETE);
  for (HICON* icon : {&smallIcon_, &bigIcon_}) {
    if (*icon) DestroyIcon(*icon);
    *icon = nullptr;
  }
  // The submenu goes with the menu it belongs to.
  if (trayMenu_) DestroyMenu(trayMenu_);
  trayMenu_ = traySubmenu_ = nullptr;
  // The dictionary system closes its dictionaries and lets the engine go.
  if (dictionarySystem_) dictionarySystem_->Exit();
  RegisterHotKeys(handle(), options_.Get(), true);
  DestroyWindow(handle());
  return 0;
}

// The session ends without Exit: the process is ended after this answer,
// so what Exit would write is written now.
LRESULT CMainWindow::OnEndSession(WPARAM ending) {
  if (ending) SavePlacement(options_.Get(), handle(), currentDictionary_.Get());
  return 0;
}

}  // namespace morvex::solo
