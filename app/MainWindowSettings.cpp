// The main window's side of the settings: the status bar it creates, the
// dialog's requests and results (WM_OPTIONS_APPLIED, WM_STATUS_DRAWITEM,
// WM_LANGMENU_REQUEST), applying the options and switching the interface
// language.
#include <olectl.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "app/HotKeys.h"
#include "app/InterfaceLanguage.h"
#include "app/InterfaceResources.h"
#include "app/MainWindow.h"
#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "com/Fonts.h"

namespace morvex::solo {

namespace {

constexpr UINT kStatusBarId = 2000;
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS | CCS_BOTTOM;
constexpr long kDefaultLanguage = 1033;

}  // namespace

// Creation steps 9 and 10: the bar in the face colour, then the options'
// colour and font on it and its button.
void CMainWindow::CreateStatusBar() {
  if (!status_.Create(handle(), kStatusBarId, kStatusBarStyle)) return;
  statusBar_ = status_.handle();
  status_.SetBackColor(faceColor_);
  if (!options_) return;
  status_.SetOptions(options_.Get(), this);
  status_.ApplyOptions();
}

LRESULT CMainWindow::OnStatusDrawItem(LPARAM lParam) {
  if (lParam) status_.DrawIndicator(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return TRUE;
}

LRESULT CMainWindow::OnOptionsApplied() {
  RegisterHotKeys(handle(), options_.Get(), true);
  ApplyOptions();
  RegisterHotKeys(handle(), options_.Get(), false);
  status_.Layout(-1);
  return 0;
}

LRESULT CMainWindow::OnLanguageMenuRequest(LPARAM lParam) {
  if (!lParam) return 0;
  const POINT point = *reinterpret_cast<const POINT*>(lParam);
  ShowLanguageMenu(pickList_.Get(), options_.Get(), point.x, point.y);
  return 0;
}

void CMainWindow::OnLanguageMenuChoice(long itemId) {
  if (!options_) return;
  long current = 0;
  options_->get_LangID(&current);
  languageChoice_.Choose(itemId, current);
  status_.ShowLanguageChoice(languageChoice_.language(), current);
}

void CMainWindow::SuspendHotKeys() { RegisterHotKeys(handle(), options_.Get(), true); }

void CMainWindow::SettingsDismissed() {
  RegisterHotKeys(handle(), options_.Get(), false);
  languageChoice_.Drop();
}

void CMainWindow::ApplyOptions() {
  if (!options_) return;
  if (languageChoice_.pending()) {
    options_->put_LangID(languageChoice_.language());
    ApplyInterfaceLanguage();
    languageChoice_.Drop();
  }
  status_.ApplyOptions();
  if (FAILED(options_->get_Animation(&animation_))) animation_ = 1;
  LoadColors();
  SendMessageA(handle(), WM_NCPAINT, 0, 0);
  ApplyOptionsToControls(ControlFont().Get());
  mouseHook_.SetKey(status_.settings().mouseModifier(), status_.settings().mouseKey());
  RECT client = {};
  GetClientRect(handle(), &client);
  Layout(client.right, client.bottom, true);
}

// The hosted controls' colours and font; each control only when present.
void CMainWindow::ApplyOptionsToControls(IFontDisp* font) {
  if (pageStrip_) {
    pageStrip_->put_BackColor(faceColor_);
    pageStrip_->put_TextColor(textColor_);
    pageStrip_->put_ActivePageColor(activePageColor_);
    pageStrip_->put_InactivePageColor(faceColor_);
    pageStrip_->put_Font(font);
    pageStrip_->put_Animation(animation_);
    interfaceFont_ = font;
    SetPageHeights();
  }
  if (viewer_) {
    viewer_->put_BkColorCtrl(windowColor_);
    viewer_->put_BkInterfaceColor(faceColor_);
    viewer_->put_clrTxtInterface(textColor_);
    viewer_->put_TextCtrl(0, textColor_);
    viewer_->put_FontControls(font);
  }
  if (shelf_) {
    shelf_->put_BackColor(faceColor_);
    shelf_->put_TextColor(textColor_);
    shelf_->put_Font(font);
  }
  if (pickList_) {
    pickList_->put_BackColor(faceColor_);
    pickList_->put_FontMenu(font);
  }
}

void CMainWindow::ApplyInterfaceLanguage() {
  long language = kDefaultLanguage;
  if (options_) options_->get_LangID(&language);
  LoadResourceLibrary(options_.Get());
  LoadHelpPath(options_.Get());
  status_.settings().FillSheetResources();
  if (status_.button()) {
    SetWindowTextA(status_.button(), InterfaceString(IDS_SETTINGS_BUTTON).c_str());
  }
  OnShelfSelChange();
  if (shelf_) GiveShelfItsNames(language);
  if (pageStrip_) pageStrip_->SetPageName(collectionPage_, InterfaceText(IDS_PAGE_COLLECTION).Get());
  if (viewer_) GiveViewerItsTitles(language);
  LoadTitle();
  ReloadTrayMenu();
}

}  // namespace morvex::solo
