// The main window's own frame: the frame and caption painted in the option
// colours instead of the system's, the caption buttons where it draws
// them, the first-click repaint, the focus handed to the page shown, and
// keys typed in its owner-drawn tray menu or with Alt over the window.
#include <windowsx.h>

#include <string>

#include "app/ContextHelp.h"
#include "app/FramePainting.h"
#include "app/HtmlHelp.h"
#include "app/InterfaceLanguage.h"
#include "app/InterfaceResources.h"
#include "app/MainWindow.h"
#include "app/Resources.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::solo {

namespace {

constexpr UINT kFirstClickRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
// The status bar's Settings button, as the help texts name it.
constexpr int kSettingsButtonHelpId = 4000;
// What the window answers a key that matched nothing.
constexpr LRESULT kMenuCharNoMatch = 1;

}  // namespace

LRESULT CMainWindow::OnNcPaint(WPARAM update) {
  PaintFrame(handle(), reinterpret_cast<HRGN>(update), faceColor_);
  caption_.Paint(handle(), activation_ != FALSE);
  return 0;
}

// An unchanged state paints nothing, and is answered TRUE: FALSE would
// refuse a deactivation.
LRESULT CMainWindow::OnNcActivate(WPARAM active, LPARAM lParam) {
  const BOOL state = IsWindowEnabled(handle()) ? static_cast<BOOL>(active) : FALSE;
  if (state == activation_) return TRUE;
  const LRESULT result = DefaultProcessing(WM_NCACTIVATE, state, lParam);
  activation_ = state;
  SendMessageA(handle(), WM_NCPAINT, 0, 0);
  return result;
}

// Inside the buttons it draws; the system's hit test knows no help button
// under Wine.
LRESULT CMainWindow::OnNcHitTest(LPARAM lParam) {
  const LRESULT hit = DefaultProcessing(WM_NCHITTEST, 0, lParam);
  RECT close, help, window;
  if (!CaptionButtonRects(handle(), &close, &help) || !GetWindowRect(handle(), &window)) return hit;
  const POINT at = {GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top};
  if (PtInRect(&close, at)) return HTCLOSE;
  if (PtInRect(&help, at)) return HTHELP;
  return hit;
}

LRESULT CMainWindow::OnSystemLookChange(UINT message, WPARAM wParam, LPARAM lParam) {
  caption_.Reset();
  caption_.Paint(handle(), activation_ != FALSE);
  return DefaultProcessing(message, wParam, lParam);
}

// The system's caption is not drawn over the program's.
LRESULT CMainWindow::OnSetText(LPARAM text) {
  const LONG style = GetWindowLongA(handle(), GWL_STYLE);
  if (style & WS_VISIBLE) SetWindowLongA(handle(), GWL_STYLE, style & ~WS_VISIBLE);
  DefaultProcessing(WM_SETTEXT, 0, text);
  if (style & WS_VISIBLE) SetWindowLongA(handle(), GWL_STYLE, style);
  SendMessageA(handle(), WM_NCPAINT, 0, 0);
  caption_.Reset();
  caption_.Paint(handle(), activation_ != FALSE);
  return TRUE;
}

LRESULT CMainWindow::OnSetFocus(WPARAM wParam, LPARAM lParam) {
  DefaultProcessing(WM_SETFOCUS, wParam, lParam);
  SendMessageA(handle(), WM_NCACTIVATE, TRUE, 0);
  FocusActivePage();
  return 0;
}

// Once, at the first click into the window: the whole window repainted.
void CMainWindow::FirstClickRepaint() {
  if (!firstClickRepaint_) return;
  firstClickRepaint_ = false;
  RedrawWindow(handle(), nullptr, nullptr, kFirstClickRedraw);
}

LRESULT CMainWindow::OnParentNotify(WPARAM wParam, LPARAM lParam) {
  const WORD event = LOWORD(wParam);
  if (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN)
    FirstClickRepaint();
  return DefaultProcessing(WM_PARENTNOTIFY, wParam, lParam);
}

// After the caption's "?", or inside the settings dialog, the control's own
// text; any other F1 opens the help file.
LRESULT CMainWindow::OnHelp(const HELPINFO* info) {
  if (!info) return 0;
  const bool askedOfAControl = info->iContextType == HELPINFO_WINDOW && contextHelpMode_;
  if (askedOfAControl || status_.settings().running()) {
    if (askedOfAControl && info->iCtrlId == kSettingsButtonHelpId) FirstClickRepaint();
    ShowHelpText(handle(), HelpTextOf(info->iCtrlId, static_cast<HWND>(info->hItemHandle)),
                 info->MousePos);
    contextHelpMode_ = false;
    return 0;
  }
  CallHtmlHelp(handle(), HelpPath().c_str(), HH_HELP_CONTEXT_COMMAND, 0);
  return 0;
}

// A key typed in the open tray menu: its owner-drawn items hide their
// texts from the system, so the renderer's texts are searched and the item
// runs. Other keys are the window's own mnemonics.
// The key is matched under every layout of the interface language, so a
// Russian mnemonic answers while an English layout is active.
LRESULT CMainWindow::OnMenuChar(WPARAM wParam, LPARAM menu) {
  const char typed = static_cast<char>(LOWORD(wParam));
  const long language = InterfaceLanguageOf(options_.Get());
  auto isMnemonic = [&](const std::string& text) {
    return MenuMnemonicMatches(typed, text, language);
  };
  if (HIWORD(wParam) & MF_POPUP) {
    if (reinterpret_cast<HMENU>(menu) != menuPainter_.menu()) return MAKELRESULT(0, MNC_IGNORE);
    const int position = TrayMenuItemForKey(menuPainter_, isMnemonic);
    if (position < 0) return MAKELRESULT(0, MNC_IGNORE);
    return MAKELRESULT(position, MNC_EXECUTE);
  }
  // The window has no menu bar: Alt+letter ends here.
  if (isMnemonic(InterfaceString(IDS_SETTINGS_BUTTON))) {
    PostMessageA(handle(), WM_COMMAND, MAKEWPARAM(ID_CMD_SETTINGS, 1), 0);
    return MAKELRESULT(0, MNC_CLOSE);
  }
  long pages = 0;
  if (pageStrip_) pageStrip_->GetPagesCount(&pages);
  for (long page = 0; page < pages; ++page) {
    com::Bstr name;
    if (FAILED(pageStrip_->GetPageName(page, name.Put())) || !isMnemonic(com::AnsiFromWide(name.Text())))
      continue;
    pageStrip_->ActivatePage(page);
    return MAKELRESULT(0, MNC_CLOSE);
  }
  return kMenuCharNoMatch;
}

}  // namespace morvex::solo
