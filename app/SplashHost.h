// CSplashHost: the popup "VelSplashAboutHost" that carries the about panel
// (AboutPanelCtrl, hosted in an "AtlAxWin" child, id 5000) in its two
// roles: the start-up splash, centred and topmost until the main window's
// timer takes it down, and the about box of the About command. The panel's
// OK (its OnExit event) hides the host and tells the main window with the
// posted message WM_ABOUT_CLOSED.
//
// Used by the main window, which makes one on the heap for the splash or
// for the about box, never both at once, and destroys it when that closes.
#pragma once

#include <ole2.h>
#include <windows.h>

#include "AboutPanel.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/Window.h"

namespace morvex::solo {

class CSplashHost : public com::Window {
 public:
  CSplashHost() = default;
  ~CSplashHost() override;

  // Creates the host hidden, with an empty rectangle, owned by owner; its
  // creation makes the panel (a missing registration shows the
  // not-registered box). False when the window cannot be made.
  bool Create(HWND owner);
  // The window WM_ABOUT_CLOSED goes to; nothing is posted until it is set.
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
  // True when the panel was made: a host without one shows nothing.
  bool HasPanel() const;

  // Each does nothing without a panel.
  void SetAboutFont(IFontDisp* font);
  // Show: the splash style, centred and topmost. Hide: hidden, then the
  // frame shrinks into the notification area when animated.
  void ShowSplash(bool animate, bool show);
  // Show: the about style with the product's address as its link, the
  // frame growing out of the notification area first when animated, then
  // centred, topmost and focused. Hide: only the shrinking frame (the
  // panel's OK hid the window already).
  void ShowAbout(bool animate, bool show);

  static const char kClassName[];
  static constexpr UINT kControlHostId = 5000;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateAboutControl();
  void SetPicture(IAboutPanelCtrl* panel);
  LRESULT OnDestroy();
  void OnExit();
  // Topmost at the screen's centre with the panel's size, the panel
  // filling it; false without a size.
  bool PlaceCentred(IAboutPanelCtrl* panel);
  // The panel's frame animation in `direction` (0 into the tray, 1 out of
  // it), after a short pause that lets the screen settle; nothing unless
  // animated.
  void Fly(IAboutPanelCtrl* panel, bool animate, long direction);

  // The panel's interface, asked of the host each time; null without one.
  com::Ptr<IAboutPanelCtrl> Panel() const;

  HWND controlHost_ = nullptr;
  HWND mainWindow_ = nullptr;
  com::Ptr<com::EventSink> events_;
};

}  // namespace morvex::solo
