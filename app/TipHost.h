// CTipHost: the small always-on-top popup "QuickHintHost" that carries the
// translation tip (QuickHintCtrl, hosted in an "AtlAxWin" child, id 2000),
// and the popup translation it shows: the selection of another program
// captured, trimmed to a word, looked up in the current dictionary and shown
// in the tip beside the click or over the foreground window. The tip's
// requests (hide, the language menu, the copy menu, the dictionary page) go
// to the main window as its private messages.
//
// Used by the main window, which owns one for its whole life, creates it
// hidden at its own creation and calls the translation from its hot-key and
// mouse-hook handlers.
#pragma once

#include <windows.h>

#include <string>

#include "LexiconHub.h"
#include "QuickHint.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/Window.h"

namespace morvex::solo {

class CTipHost : public com::Window {
 public:
  CTipHost() = default;
  ~CTipHost() override;

  // Creates the host hidden, with an empty rectangle, owned by owner; its
  // creation makes the tip (a missing registration shows the
  // not-registered box). False when the window cannot be made.
  bool Create(HWND owner);
  // The window the tip's requests go to; they are dropped until it is set
  // and once it is gone.
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

  // The popup translation: mode 1 for the mouse trigger (window under the
  // click, x and y the click), any other for the hot key (the foreground
  // window, x and y -1).
  void TranslateFromWindow(HWND window, long x, long y, int mode, IVelDictionary* dictionary);
  // The current word again from another dictionary, the tip keeping its
  // top-left corner.
  void Retranslate(IVelDictionary* dictionary);
  // Fills the tip from one dictionary.
  void LookUp(const std::string& word, IVelDictionary* dictionary);
  // Sizes the tip, places it (x, y negative: over the foreground window)
  // and shows it topmost.
  void PlaceTip(long x, long y);

  // The tip's own operations, for the main window's tip menus.
  void CopyText();
  void SelectAll();
  void SetTipIcon(HICON icon, long cx, long cy);

  const std::string& currentWord() const { return currentWord_; }
  // The hosted-control window; null when it could not be made.
  HWND controlHost() const { return controlHost_; }

  static const char kClassName[];
  static constexpr UINT kControlHostId = 2000;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateTipControl();
  bool CreateEventSink();
  LRESULT OnDestroy();

  void OnNeedToHide();
  void OnNeedToChangeLang(long language, long x, long y);
  void OnNeedEditMenu(long x, long y);
  void OnNeedDictViewer();
  bool MainWindowAlive() const { return mainWindow_ && IsWindow(mainWindow_); }

  // The tip's interface, asked of the host each time; null without a tip.
  com::Ptr<IQuickHintCtrl> TipControl() const;

  HWND controlHost_ = nullptr;
  HWND mainWindow_ = nullptr;
  com::Ptr<com::EventSink> events_;
  std::string currentWord_;
};

}  // namespace morvex::solo
