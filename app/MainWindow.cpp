#include "app/MainWindow.h"

#include <olectl.h>

#include "PrefStore.h"
#include "app/DefaultFont.h"
#include "app/HotKeys.h"
#include "app/HtmlHelp.h"
#include "app/InterfaceResources.h"
#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "app/WindowPlacement.h"
#include "com/Module.h"
#include "com/Reflection.h"

namespace morvex::solo {

namespace {

constexpr DWORD kWindowStyle =
    WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr int kTitleCapacity = 64;
// The trigger without options: Shift and the right button.
constexpr long kDefaultMouseModifier = 0x10;
constexpr long kDefaultMouseKey = 0;

// A stored colour that names no colour (damaged options) keeps the one the
// window has: black in its place would leave black text on a black face.
COLORREF Translated(OLE_COLOR color, COLORREF kept) {
  COLORREF translated = 0;
  return SUCCEEDED(OleTranslateColor(color, nullptr, &translated)) ? translated : kept;
}

}  // namespace

const char CMainWindow::kClassName[] = "VelMorvexSolo";

// What still holds a window goes first; the renderer before the
// references, which are released before the objects that hold their own.
CMainWindow::~CMainWindow() {
  Destroy();
  splash_.reset();
  title_.clear();
  menuPainter_.Destroy();
  currentDictionary_.Reset();
}

bool CMainWindow::Create() {
  com::WindowClassSpec spec = {kClassName};
  spec.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  spec.background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  return Window::Create(spec, nullptr, RECT{}, kWindowStyle, WS_EX_CONTEXTHELP);
}

bool CMainWindow::LoadInitialRect(RECT* rect, bool* maximized) const {
  return solo::LoadInitialRect(options_.Get(), rect, maximized);
}

LRESULT CMainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // What a child answers to its own notification ends the search.
  LRESULT reflected = 0;
  if (com::ReflectNotification(handle(), message, wParam, lParam, &reflected)) return reflected;
  // A registered message has no constant to switch on.
  if (taskbarCreatedMessage_ && message == taskbarCreatedMessage_) return OnTaskbarCreated();
  switch (message) {
    case WM_HOTKEY:
      return OnHotKey(wParam);
    case WM_DESTROY:
      return OnDestroy();
    case WM_SIZE:
      return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_TRAY_CALLBACK:
      return OnTrayCallback(wParam, lParam);
    case WM_SHOWWINDOW:
      return OnShowWindow(wParam, lParam);
    case WM_CREATE:
      return OnCreate();
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam);
    case WM_NCLBUTTONDOWN:
      return OnNcLButtonDown(wParam, lParam);
    case WM_NCRBUTTONDOWN:
      return 0;
    case WM_NCLBUTTONUP:
      return OnNcLButtonUp(wParam, lParam);
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_TIP_CHANGELANG: {
      const POINT* at = reinterpret_cast<const POINT*>(lParam);
      if (at) ShowDictionaryMenu(at->x, at->y, MenuOwner::kTip);
      return 0;
    }
    case WM_TIP_EDITMENU: {
      const POINT* at = reinterpret_cast<const POINT*>(lParam);
      if (at) ShowTipEditMenu(at->x, at->y);
      return 0;
    }
    case WM_TIP_SHOWINDICT:
      ShowTipWordInDictionary();
      return 0;
    case WM_HOOK_CLICK:
      return OnHookClick(reinterpret_cast<HWND>(wParam), lParam);
    case WM_TIMER:
      return OnTimer(wParam);
    case WM_ABOUT_CLOSED:
      return OnAboutClosed();
    case WM_ENDSESSION:
      return OnEndSession(wParam);
    case WM_PARENTNOTIFY:
      return OnParentNotify(wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(wParam);
    case WM_NCACTIVATE:
      return OnNcActivate(wParam, lParam);
    case WM_NCHITTEST:
      return OnNcHitTest(lParam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      return OnSystemLookChange(message, wParam, lParam);
    case WM_SETTEXT:
      return OnSetText(lParam);
    case WM_SETFOCUS:
      return OnSetFocus(wParam, lParam);
    case WM_MENUCHAR:
      return OnMenuChar(wParam, lParam);
    case WM_HELP:
      return OnHelp(reinterpret_cast<const HELPINFO*>(lParam));
    case WM_OPTIONS_APPLIED:
      return OnOptionsApplied();
    case WM_STATUS_DRAWITEM:
      return OnStatusDrawItem(lParam);
    case WM_LANGMENU_REQUEST:
      return OnLanguageMenuRequest(lParam);
  }
  return DefaultProcessing(message, wParam, lParam);
}

// --- Creation

// Nothing in the sequence stops the window's creation.
LRESULT CMainWindow::OnCreate() {
  CreateOptions();
  RegisterTaskbarMessage();
  LoadTitle();
  LoadIcons();
  LoadTrayMenu();
  RegisterHotKeys(handle(), options_.Get(), false);
  menuPainter_.Attach(handle(), traySubmenu_);
  CreateTipHost();
  CreateStatusBar();
  GiveSettingsButtonItsPicture();
  StartMouseHook();
  CreateChildren();
  OpenSplash();
  return 1;
}

void CMainWindow::CreateOptions() {
  if (FAILED(CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                              options_.PutVoid()))) {
    return;
  }
  options_->Read();
  KeepUsableFont(options_.Get());
  options_->get_Animation(&animation_);
  LoadColors();
  LoadHelpPath(options_.Get());
  LoadResourceLibrary(options_.Get());
}

void CMainWindow::LoadColors() {
  OLE_COLOR fore = 0, back = 0, shadow = 0, text = 0;
  if (!options_) return;
  if (SUCCEEDED(options_->get_ColorFore(&fore))) windowColor_ = Translated(fore, windowColor_);
  if (SUCCEEDED(options_->get_ColorBack(&back))) faceColor_ = Translated(back, faceColor_);
  if (SUCCEEDED(options_->get_ColorShadow(&shadow)))
    activePageColor_ = Translated(shadow, activePageColor_);
  if (SUCCEEDED(options_->get_ColorText(&text))) textColor_ = Translated(text, textColor_);
}

void CMainWindow::RegisterTaskbarMessage() {
  taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
}

void CMainWindow::LoadTitle() {
  title_ = InterfaceString(IDS_WINDOW_TITLE, kTitleCapacity);
  SetWindowTextA(handle(), title_.c_str());
}

void CMainWindow::LoadIcons() {
  HINSTANCE module = com::ModuleInstance();
  smallIcon_ = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_CREATEDIBSECTION));
  bigIcon_ = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                           LR_CREATEDIBSECTION));
  SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void CMainWindow::LoadTrayMenu() {
  trayMenu_ = InterfaceMenu(IDR_TRAY_MENU);
  traySubmenu_ = trayMenu_ ? GetSubMenu(trayMenu_, 0) : nullptr;
  if (traySubmenu_) SetMenuDefaultItem(traySubmenu_, ID_CMD_TRANSLATION, FALSE);
}

void CMainWindow::CreateTipHost() {
  if (!tip_.Create(handle())) return;
  tip_.SetMainWindow(handle());
  tipHost_ = tip_.handle();
}

// The tray menu's Settings picture, hot and cold, on the status bar's
// Settings button.
void CMainWindow::GiveSettingsButtonItsPicture() {
  HICON hot = nullptr, cold = nullptr;
  SettingsPictureIcons(menuPainter_, &hot, &cold);
  status_.SetButtonIcons(hot, cold, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
  if (hot) DestroyIcon(hot);
  if (cold) DestroyIcon(cold);
}

void CMainWindow::StartMouseHook() {
  long modifier = kDefaultMouseModifier, mouseKey = kDefaultMouseKey;
  if (options_) {
    options_->get_MouseModifier(&modifier);
    options_->get_MouseKey(&mouseKey);
  }
  mouseHook_.Start(handle(), modifier, mouseKey);
}

// --- Destruction

LRESULT CMainWindow::OnDestroy() {
  DisconnectControlEvents();
  mouseHook_.Stop();
  SavePlacement(options_.Get(), handle(), currentDictionary_.Get());
  options_.Reset();
  PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 0, 0);
  return 0;
}

// --- Layout and the frame

LRESULT CMainWindow::OnSize(int width, int height) {
  Layout(width, height, true);
  return 0;
}

// Only a ShowWindow call (lParam 0) that shows the window lays it out.
LRESULT CMainWindow::OnShowWindow(WPARAM shown, LPARAM reason) {
  if (shown && reason == 0 && pageStripHost_) {
    RECT client = {};
    GetClientRect(handle(), &client);
    Layout(client.right, client.bottom, false);
  }
  return 0;
}

void CMainWindow::Layout(int width, int height, bool repaint) {
  int statusHeight = 0;
  if (statusBar_) {
    RECT status = {};
    GetWindowRect(statusBar_, &status);
    statusHeight = status.bottom - status.top;
    MoveWindow(statusBar_, 0, height - statusHeight, width, statusHeight, TRUE);
  }
  if (pageStripHost_) MoveWindow(pageStripHost_, 0, 0, width, height - statusHeight, repaint);
}

// The caption's icon sends SC_MOUSEMENU with the hit code in its low bits:
// only the command counts.
LRESULT CMainWindow::OnSysCommand(WPARAM command, LPARAM lParam) {
  switch (command & 0xFFF0) {
    case SC_CLOSE:
    case SC_MINIMIZE:
      Hide();
      return 0;
    case SC_MOUSEMENU:
    case SC_KEYMENU:
      return 0;
  }
  return DefaultProcessing(WM_SYSCOMMAND, command, lParam);
}

LRESULT CMainWindow::OnNcLButtonDown(WPARAM hit, LPARAM lParam) {
  if (hit == HTHELP) contextHelpMode_ = true;
  return DefaultProcessing(WM_NCLBUTTONDOWN, hit, lParam);
}

LRESULT CMainWindow::OnNcLButtonUp(WPARAM hit, LPARAM lParam) {
  if (hit == HTCLOSE) Hide();
  return DefaultProcessing(WM_NCLBUTTONUP, hit, lParam);
}

LRESULT CMainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case ID_CMD_HIDE:
      return OnHide(wParam, lParam);
    case ID_CMD_TRANSLATION:
      return OnTranslationCommand();
    case ID_CMD_DICTIONARY:
      return OnDictionaryCommand();
    case ID_CMD_COLLECTION:
      return OnCollectionCommand();
    case ID_CMD_ABOUT:
      return OnAboutCommand();
    case ID_CMD_SETTINGS:
      if (!status_.settings().running()) status_.RunSettings();
      return 0;
    case ID_CMD_HELP:
      if (!status_.settings().running())
        CallHtmlHelp(handle(), HelpPath().c_str(), HH_HELP_CONTEXT_COMMAND, 0);
      return DefaultProcessing(WM_COMMAND, wParam, lParam);
    case ID_CMD_EXIT:
      return OnExitCommand();
  }
  return DefaultProcessing(WM_COMMAND, wParam, lParam);
}

LRESULT CMainWindow::OnHide(WPARAM wParam, LPARAM lParam) {
  DefaultProcessing(WM_COMMAND, wParam, lParam);
  if (tipHost_ && IsWindowVisible(tipHost_)) ShowWindow(tipHost_, SW_HIDE);
  Hide();
  return 0;
}

void CMainWindow::Hide() {
  if (IsWindowVisible(handle())) ShowWindow(handle(), SW_HIDE);
}

}  // namespace morvex::solo
