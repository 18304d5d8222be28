// CMainWindow: the program's frame, a hidden-by-default top-level window of
// class "VelMorvexSolo" that owns every other window and object of the
// program and receives every hot key, tray, hook, timer and private
// message. Its creation builds the program (options, interface resources,
// title, icons, tray menu, hot keys, mouse hook); its destruction keeps the
// window's placement and ends the message loop.
//
// Used by the entry routine, which runs one for the whole life of the
// process.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "LexiconHub.h"
#include "LookupPane.h"
#include "PageStrip.h"
#include "PickList.h"
#include "PrefStore.h"
#include "ShelfView.h"
#include "app/CaptionPainter.h"
#include "app/DirectionImages.h"
#include "app/HostedControl.h"
#include "app/InterfaceLanguage.h"
#include "app/MouseHookLibrary.h"
#include "app/ProgramMenuPolicy.h"
#include "app/PropertyChangeSink.h"
#include "app/SettingsFlow.h"
#include "app/SplashHost.h"
#include "app/StatusBar.h"
#include "app/TipHost.h"
#include "app/TranslationPane.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/Window.h"

namespace morvex::solo {

class CMainWindow : public com::Window, private SettingsOwner {
 public:
  CMainWindow() = default;
  ~CMainWindow() override;

  // Creates the window hidden, with an all-zero rectangle: WM_CREATE runs
  // the creation sequence. False when the window cannot be made.
  bool Create();

  // The rectangle the options hold for the window (or the centred third);
  // false when there is no options object.
  bool LoadInitialRect(RECT* rect, bool* maximized) const;

  static const char kClassName[];

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The creation sequence, one member per step.
  LRESULT OnCreate();
  void CreateOptions();
  void LoadColors();
  void RegisterTaskbarMessage();
  void LoadTitle();
  void LoadIcons();
  void LoadTrayMenu();
  void CreateTipHost();
  void StartMouseHook();

  // The dictionary system and the hosted controls (MainWindowChildren.cpp):
  // a chain whose first failing link ends it.
  void CreateChildren();
  bool CreatePageStrip();
  bool CreateViewer();
  bool CreateShelf();
  bool CreatePickList();
  bool CreateTranslationPane();
  // Hosts one control with the property sink advised; its interface iid
  // into out when the control gives it. False when the control could not
  // be made.
  bool HostChainControl(const CLSID& clsid, UINT id, UINT displayNameId, HWND* host,
                        com::Ptr<IUnknown>* control);
  void ConnectControlEvents();
  // Before the controls go: each event point holds its sink.
  void DisconnectControlEvents();
  void AddPages();
  void SetPageHeights();
  void GiveViewerItsTitles(long language);
  void GiveShelfItsNames(long language);
  // The options' font, or the default one.
  com::Ptr<IFontDisp> ControlFont() const;
  long InterfaceLanguage() const;

  // The current dictionary and the menus (MainWindowDictionary.cpp).
  bool SetCurrentDictionary(IUnknown* dictionary, bool selectInShelf);
  // The shelf's selection as the current dictionary, when it is one.
  com::Ptr<IVelDictionary> TakeShelfSelection();
  void OnShelfSelChange();
  void OnShelfNeedShowDic();
  enum class MenuOwner { kViewer, kTip };
  void ShowDictionaryMenu(long x, long y, MenuOwner owner);
  void OnMenuChoice(long itemId);
  void ShowTipWordInDictionary();
  void ShowTipEditMenu(long x, long y);
  void ShowEntryEditMenu(long x, long y);
  void ShowArticleEditMenu(long x, long y);
  void AddMenuItemWithIcons(long itemId, UINT stringId, UINT hotIconId, UINT coldIconId);
  void FocusActivePage();
  // The page open in the strip (when it is not already); ShowPage also
  // shows the window. Nothing without a page strip.
  void OpenPage(short page);
  void ShowPage(short page);
  LRESULT OnHotKey(WPARAM id);
  LRESULT OnHookClick(HWND window, LPARAM point);
  bool IsOwnThreadWindow(HWND window) const;

  // The status bar and the settings (MainWindowSettings.cpp).
  void CreateStatusBar();
  void GiveSettingsButtonItsPicture();
  LRESULT OnStatusDrawItem(LPARAM lParam);
  LRESULT OnOptionsApplied();
  LRESULT OnLanguageMenuRequest(LPARAM lParam);
  // The language menu's items (above 4000) of the popup menu's choice.
  void OnLanguageMenuChoice(long itemId);
  void SuspendHotKeys() override;
  void SettingsDismissed() override;
  void ApplyOptions();
  void ApplyOptionsToControls(IFontDisp* font);
  void ApplyInterfaceLanguage();

  LRESULT OnDestroy();
  LRESULT OnSize(int width, int height);
  LRESULT OnShowWindow(WPARAM shown, LPARAM reason);
  LRESULT OnSysCommand(WPARAM command, LPARAM lParam);
  LRESULT OnNcLButtonDown(WPARAM hit, LPARAM lParam);
  LRESULT OnNcLButtonUp(WPARAM hit, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnHide(WPARAM wParam, LPARAM lParam);

  // The notification area (MainWindowTray.cpp): the icon, its menu and
  // commands, the splash and the about box.
  BOOL NotifyTray(DWORD message, HICON icon = nullptr);
  void ShowTrayMenu();
  LRESULT OnTrayCallback(WPARAM id, LPARAM mouseMessage);
  LRESULT OnTaskbarCreated();
  LRESULT OnTimer(WPARAM id);
  LRESULT OnAboutClosed();
  LRESULT OnTranslationCommand();
  LRESULT OnDictionaryCommand();
  LRESULT OnCollectionCommand();
  LRESULT OnAboutCommand();
  void OpenSplash();
  void CloseSplash();
  void OpenAbout();
  void CloseAbout();
  // After an interface-language change: the tray menu of the new language,
  // drawn by the renderer, and the icon's tip in it.
  void ReloadTrayMenu();
  // A modal dialog of the program (the settings dialog, a message box)
  // runs over the disabled main window: what would destroy its owner or
  // open a second box waits.
  bool ModalDialogRunning() const { return !IsWindowEnabled(handle()); }

  // Shut-down (MainWindowExit.cpp).
  LRESULT OnExitCommand();
  LRESULT OnEndSession(WPARAM ending);
  void DestroySplashHost();

  // The frame, the caption and the focus (MainWindowFrame.cpp).
  LRESULT OnNcPaint(WPARAM update);
  LRESULT OnNcActivate(WPARAM active, LPARAM lParam);
  LRESULT OnNcHitTest(LPARAM lParam);
  // WM_SETTINGCHANGE and WM_SYSCOLORCHANGE: the caption is drawn anew.
  LRESULT OnSystemLookChange(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetText(LPARAM text);
  LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnParentNotify(WPARAM wParam, LPARAM lParam);
  void FirstClickRepaint();
  LRESULT OnHelp(const HELPINFO* info);
  LRESULT OnMenuChar(WPARAM wParam, LPARAM menu);

  // The status bar below, the page strip's host above it; each only when
  // it exists.
  void Layout(int width, int height, bool repaint);
  void Hide();

  com::Ptr<IVelMorvexOpt> options_;
  com::Ptr<ILexiconHub> dictionarySystem_;
  com::Ptr<IUnknown> currentDictionary_;
  com::Ptr<IFontDisp> interfaceFont_;

  PropertyChangeSink propertySink_;
  com::Ptr<com::EventSink> pageStripEvents_;
  com::Ptr<com::EventSink> viewerEvents_;
  com::Ptr<com::EventSink> pickListEvents_;
  com::Ptr<com::EventSink> shelfEvents_;
  com::Ptr<IVelPageStrip> pageStrip_;
  com::Ptr<IShelfViewCtrl> shelf_;
  com::Ptr<IPickListCtrl> pickList_;
  com::Ptr<IVelDictViewCtrl> viewer_;
  CTranslationPane translationPane_;
  DirectionImages directionImages_;
  MouseHookLibrary mouseHook_;
  CTipHost tip_;
  CStatusBar status_;
  LanguageChoice languageChoice_;

  UINT taskbarCreatedMessage_ = 0;
  std::string title_;
  HICON smallIcon_ = nullptr;
  HICON bigIcon_ = nullptr;
  HMENU trayMenu_ = nullptr;
  HMENU traySubmenu_ = nullptr;

  // Until the options give theirs.
  COLORREF windowColor_ = GetSysColor(COLOR_WINDOW);
  COLORREF faceColor_ = GetSysColor(COLOR_BTNFACE);
  COLORREF activePageColor_ = GetSysColor(COLOR_INACTIVECAPTION);
  COLORREF textColor_ = GetSysColor(COLOR_WINDOWTEXT);

  long animation_ = 1;
  bool contextHelpMode_ = false;

  HWND statusBar_ = nullptr;
  HWND pageStripHost_ = nullptr;
  HWND viewerHost_ = nullptr;
  HWND shelfHost_ = nullptr;
  HWND pickListHost_ = nullptr;
  HWND tipHost_ = nullptr;

  // Each -1 until its page is added.
  short translationPage_ = -1;
  short dictionaryPage_ = -1;
  short collectionPage_ = -1;

  // The tray menu's renderer, attached from creation to Exit.
  controls::MenuPainter menuPainter_{kTrayMenuPolicy};
  // The splash or the about box while one is up.
  std::unique_ptr<CSplashHost> splash_;
  bool splashIsAbout_ = false;

  CaptionPainter caption_;
  // The last WM_NCACTIVATE state the frame was painted in.
  BOOL activation_ = FALSE;
  bool firstClickRepaint_ = true;
};

}  // namespace morvex::solo
