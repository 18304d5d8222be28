#include "QuickHintCtrl.h"

#include <commctrl.h>
#include <olectl.h>
#include <richedit.h>
#include <windowsx.h>

#include <algorithm>

#include "QuickHintResource.h"
#include "TipClipboard.h"
#include "TipFormatting.h"
#include "com/Module.h"
#include "com/WideText.h"
#include "controls/common/ArticleOleCallback.h"
#include "controls/common/RichEditLibrary.h"

namespace morvex::quickhint {

namespace {

constexpr UINT kBodyId = 622;
constexpr UINT kHeaderId = 621;
constexpr UINT kLanguageButtonId = 619;
constexpr DWORD kBodyStyle = 0x53010084;
constexpr DWORD kPagerStyle = WS_CHILD | WS_VISIBLE | PGS_HORZ;
constexpr DWORD kHeaderStyle = 0x5000010D;  // owner drawn, SS_NOTIFY
constexpr long kRussian = 25;

enum EventId : DISPID {
  kNeedToHide = 2,
  kNeedToChangeLang = 3,
  kNeedEditMenu = 4,
  kNeedDictViewer = 5,
};

constexpr char kWelcomeHeader[] = "Welcome to Translater Tool Tips";
// "Заходите к нам на перевод..." in code page 1251.
constexpr char kWelcomeBody[] =
    "\xC7\xE0\xF5\xEE\xE4\xE8\xF2\xE5 \xEA \xED\xE0\xEC \xED\xE0 "
    "\xEF\xE5\xF0\xE5\xE2\xEE\xE4...";

constexpr int kHeaderHeight = 16;
constexpr int kHeaderCharWidth = 9;
constexpr int kHeaderMargin = 5;
constexpr int kPagerScrollStep = 20;

UINT FlagOfLanguage(long language) {
  switch (language) {
    case 7:
      return IDI_FLAG_GERMAN;
    case 12:
      return IDI_FLAG_FRENCH;
    case kRussian:
      return IDI_FLAG_RUSSIAN;
    case 9:
      return IDI_FLAG_ENGLISH;
  }
  return IDI_FLAG_UNKNOWN;
}

std::string AnsiOf(BSTR text) {
  return com::AnsiFromWide(std::wstring_view(text ? text : L"", SysStringLen(text)));
}

POINT CentreOnScreen(HWND window) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

HFONT CreateDerivedFont(LOGFONTA description, bool underline, long language) {
  description.lfUnderline = underline ? TRUE : FALSE;
  description.lfCharSet = ArticleCharset(language);
  return CreateFontIndirectA(&description);
}

}  // namespace

QuickHintCtrl::QuickHintCtrl()
    : Control(CLSID_QuickHintCtrl, {"MorvexQuickHintWindow"}),
      backColour_(GetSysColor(COLOR_INFOBK)),
      backBrush_(GetSysColorBrush(COLOR_INFOBK)),
      headerText_(kWelcomeHeader),
      bodyText_(kWelcomeBody),
      headerExtent_{static_cast<LONG>(kHeaderCharWidth * headerText_.size()), kHeaderHeight},
      iconWidth_(GetSystemMetrics(SM_CXICON)),
      iconHeight_(GetSystemMetrics(SM_CYSMICON)),
      // A cursor of our own, not the shared copy: the control destroys it.
      headerCursor_(static_cast<HCURSOR>(LoadImageA(com::ModuleInstance(),
                                                    MAKEINTRESOURCEA(IDC_HEADER_CURSOR),
                                                    IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE))) {
  SetForeColorQuietly(GetSysColor(COLOR_INFOTEXT));
  controls::FontChangeListener::Create(this, &fontListener_);
}

QuickHintCtrl::~QuickHintCtrl() {
  // The listener lets go of the font before the control does.
  if (fontListener_) fontListener_->Disconnect();
  if (headerFont_) DeleteObject(headerFont_);
  if (bodyFont_) DeleteObject(bodyFont_);
  if (headerCursor_) DestroyCursor(headerCursor_);
}

STDMETHODIMP QuickHintCtrl::put_InString(BSTR text, long language) {
  headerText_ = AnsiOf(text);
  langIn_ = language;
  // The header draws itself from headerText_; its window text is for
  // those who read the tip from outside.
  if (header_) SetWindowTextA(header_, headerText_.c_str());
  RebuildFonts(true);
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::put_OutString(BSTR text, long language) {
  hasBody_ = text != nullptr;
  bodyText_ = AnsiOf(text);
  langOut_ = language;
  RebuildFonts(true);
  FormatBody();
  if (body_.handle()) UpdateWindow(body_.handle());
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::GetTipSize(int* cx, int* cy) {
  if (!cx || !cy) return E_POINTER;
  ComputeSize();
  *cx = iconWidth_ + bodyWidth_ + 12;
  *cy = bodyHeight_ + 28;
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::put_langIn(long language) {
  langIn_ = language;
  if (button_.handle()) button_.LoadIcons(FlagOfLanguage(langIn_), 0, iconWidth_, iconHeight_);
  RebuildFonts(true);
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::put_langOut(long language) {
  langOut_ = language;
  RebuildFonts(true);
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::put_FontTip(IFontDisp* font) {
  if (!font) return S_OK;
  SetFontQuietly(font);
  if (fontListener_) fontListener_->Listen(this->font());
  RebuildFonts(true);
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::SelectAll() {
  CHARRANGE all = {0, -1};
  if (body_.handle()) SendMessageA(body_.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::CopyText() {
  CHARRANGE selection = {0, 0};
  if (body_.handle())
    SendMessageA(body_.handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  if (selection.cpMin == selection.cpMax) return S_OK;
  const size_t length = shownText_.size();
  const size_t first = ShownOffsetOfPosition(shownText_.data(), length, selection.cpMin);
  const size_t last = selection.cpMax < 0
                          ? length
                          : ShownOffsetOfPosition(shownText_.data(), length, selection.cpMax);
  if (first < last)
    PutTextOnClipboard(window(), shownText_.substr(first, last - first), ArticleCodePage(langOut_));
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::put_SetTipIcon(LONG_PTR hotIcon, LONG_PTR coldIcon, long cx, long cy) {
  iconWidth_ = cx;
  iconHeight_ = cy;
  if (button_.handle())
    button_.SetIcons(reinterpret_cast<HICON>(hotIcon), reinterpret_cast<HICON>(coldIcon), cx, cy);
  return S_OK;
}

STDMETHODIMP QuickHintCtrl::SetClientSite(IOleClientSite* site) {
  HRESULT result = Control::SetClientSite(site);
  TakeInitialFont(controls::kArticleControlFont);
  if (font() && fontListener_) fontListener_->Listen(font());
  return result;
}

STDMETHODIMP QuickHintCtrl::TranslateAccelerator(LPMSG message) {
  if (!message) return E_POINTER;
  if (message->message == WM_KEYDOWN && message->wParam >= VK_LEFT && message->wParam <= VK_DOWN)
    return S_FALSE;
  com::Ptr<IOleControlSite> site;
  if (!clientSite() || FAILED(clientSite()->QueryInterface(IID_IOleControlSite, site.PutVoid())))
    return S_FALSE;
  DWORD modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= 1;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= 2;
  if (GetKeyState(VK_MENU) < 0) modifiers |= 4;
  return site->TranslateAccelerator(message, modifiers);
}

void QuickHintCtrl::OnDraw(HDC dc, const RECT& bounds) {
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  MoveToEx(dc, bounds.left + 4, bounds.top + 22, nullptr);
  LineTo(dc, bounds.right - 4, bounds.top + 22);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  if (window()) BringForwardAndFocusBody();
}

bool QuickHintCtrl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  bool handled = true;
  switch (message) {
    case WM_CREATE:
      *result = OnCreate();
      return true;
    case WM_SIZE:
      *result = OnSize(lParam);
      return true;
    case WM_ERASEBKGND:
      *result = OnEraseBkgnd(wParam);
      return true;
    case WM_DRAWITEM:
      *result = OnDrawItem(wParam, lParam);
      return true;
    case WM_COMMAND:
      *result = OnCommand(wParam, lParam);
      return true;
    case WM_NOTIFY:
      *result = OnNotify(lParam, &handled);
      return handled;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      *result = OnCtlColor(wParam);
      return true;
    case WM_SETCURSOR:
      *result = OnSetCursor(wParam, lParam, &handled);
      return handled;
    case WM_CONTEXTMENU:
    case controls::WM_RICHEDIT_CONTEXTMENU:
      *result = OnContextMenu(wParam, lParam, &handled);
      return handled;
    case WM_LBUTTONDOWN:
      *result = OnLButtonDown();
      return true;
    case WM_LBUTTONDBLCLK:
      *result = OnLButtonDblClk();
      return true;
    case WM_TIPBODY_TAB:
      *result = 0;
      return true;
    case WM_TIPBODY_KILLFOCUS:
      *result = OnBodyKillFocus();
      return true;
    case WM_TIPBODY_HIDE:
      if (wParam == kHideByDoubleClick) CopyText();
      FireEvent(kNeedToHide);
      *result = 0;
      return true;
    case WM_TIPBODY_CHANGELANG:
      FireNeedToChangeLang();
      *result = 0;
      return true;
  }
  return false;
}

void QuickHintCtrl::OnAmbientChanged(DISPID dispid) {
  if (dispid == DISPID_AMBIENT_FONT || dispid == DISPID_UNKNOWN) {
    if (TakeAmbientFont()) {
      if (fontListener_) fontListener_->Listen(font());
      RebuildFonts(true);
    }
  }
  if (dispid == DISPID_AMBIENT_FORECOLOR || dispid == DISPID_UNKNOWN) {
    OLE_COLOR colour = 0;
    if (AmbientForeColor(&colour)) {
      SetForeColorQuietly(colour);
      if (header_) InvalidateRect(header_, nullptr, TRUE);
    }
  }
}

// The stock Font puts only store the font: its changes are heard from now on.
void QuickHintCtrl::OnFontChanged() {
  if (fontListener_) fontListener_->Listen(font());
}

void QuickHintCtrl::OnForeColorChanged() {
  if (header_) InvalidateRect(header_, nullptr, TRUE);
}

void QuickHintCtrl::RebuildFonts(bool refresh) {
  com::Ptr<IFont> details;
  HFONT source = nullptr;
  LOGFONTA description = {};
  if (!font() || FAILED(font()->QueryInterface(IID_IFont, details.PutVoid())) ||
      FAILED(details->get_hFont(&source)) || !source ||
      !GetObjectA(source, sizeof description, &description))
    return;
  HFONT oldHeader = headerFont_, oldBody = bodyFont_;
  headerFont_ = CreateDerivedFont(description, true, langIn_);
  bodyFont_ = CreateDerivedFont(description, false, langOut_);
  if (header_) SendMessageA(header_, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont_), TRUE);
  if (body_.handle())
    SendMessageA(body_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bodyFont_), TRUE);
  if (oldHeader) DeleteObject(oldHeader);
  if (oldBody) DeleteObject(oldBody);
  if (header_) {
    HDC dc = GetDC(header_);
    HGDIOBJ old = SelectObject(dc, headerFont_);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, headerText_.c_str(), static_cast<int>(headerText_.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(header_, dc);
    headerExtent_ = {extent.cx + 2 * kHeaderMargin, extent.cy};
    SendMessageA(pager_, PGM_RECALCSIZE, 0, 0);
  }
  if (refresh) RefreshView();
}

LRESULT QuickHintCtrl::OnCreate() {
  controls::LoadRichEditLibrary();
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_PAGESCROLLER_CLASS};
  InitCommonControlsEx(&classes);
  CreateBody();
  CreateHeader();
  RebuildFonts(false);
  ComputeSize();
  CreateLanguageButton();
  return 0;
}

void QuickHintCtrl::CreateBody() {
  HWND body = CreateWindowExA(0, "RichEdit20A", "", kBodyStyle, 0, 0, 0, 0, window(),
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kBodyId)),
                              com::ModuleInstance(), nullptr);
  if (!body || !body_.Attach(body, window())) return;
  body_.SetOwner(static_cast<IQuickHintCtrl*>(this));
  SendMessageA(body, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(backColour_));
  controls::AttachArticleOleCallback(body);
  SendMessageA(body, EM_SETEVENTMASK, 0, ENM_LINK | ENM_REQUESTRESIZE);
  body_.SetReadOnly(true);
}

void QuickHintCtrl::CreateHeader() {
  pager_ = CreateWindowExA(0, WC_PAGESCROLLERA, "", kPagerStyle, 0, 0, 0, 0, window(), nullptr,
                           com::ModuleInstance(), nullptr);
  if (!pager_) return;
  header_ = CreateWindowExA(0, "STATIC", headerText_.c_str(), kHeaderStyle, 0, 0, 0, 0, pager_,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kHeaderId)),
                            com::ModuleInstance(), nullptr);
  headerPager_.Attach(pager_, window());
  headerPager_.SetOwner(static_cast<IQuickHintCtrl*>(this));
  SendMessageA(pager_, PGM_SETCHILD, 0, reinterpret_cast<LPARAM>(header_));
  SendMessageA(pager_, PGM_SETBKCOLOR, 0, static_cast<LPARAM>(backColour_));
}

void QuickHintCtrl::CreateLanguageButton() {
  HWND button =
      CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, window(),
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kLanguageButtonId)),
                      com::ModuleInstance(), nullptr);
  if (!button || !button_.Attach(button)) return;
  button_.SetOwner(static_cast<IQuickHintCtrl*>(this));
  button_.LoadIcons(FlagOfLanguage(langIn_), 0, iconWidth_, iconHeight_);
  button_.look().coldBack = backColour_;
  button_.look().hotBack = backColour_;
}

LRESULT QuickHintCtrl::OnSize(LPARAM lParam) {
  const int width = GET_X_LPARAM(lParam), height = GET_Y_LPARAM(lParam);
  if (pager_) {
    MoveWindow(pager_, 2, 2, width - iconWidth_ - 8, 20, TRUE);
    SendMessageA(pager_, PGM_RECALCSIZE, 0, 0);
  }
  if (body_.handle()) {
    MoveWindow(body_.handle(), 2, 24, width - 4, height - 28, TRUE);
    // The article from its beginning at the new size: laid out while the
    // body was narrower, the rich edit may keep a sideways scroll.
    POINT origin = {0, 0};
    SendMessageA(body_.handle(), EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&origin));
  }
  if (button_.handle())
    MoveWindow(button_.handle(), width - iconWidth_ - 6, 2, iconWidth_ + 4, iconHeight_, TRUE);
  return 0;
}

LRESULT QuickHintCtrl::OnEraseBkgnd(WPARAM wParam) {
  RECT client = {};
  GetClientRect(window(), &client);
  FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush_);
  return 1;
}

LRESULT QuickHintCtrl::OnDrawItem(WPARAM wParam, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (wParam == kHeaderId && item) {
    DrawHeader(*item);
    return TRUE;
  }
  if (wParam == kLanguageButtonId && button_.handle()) {
    SendMessageA(button_.handle(), WM_DRAWITEM, wParam, lParam);
    return TRUE;
  }
  return FALSE;
}

void QuickHintCtrl::DrawHeader(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, backBrush_);
  RECT text = item.rcItem;
  InflateRect(&text, -kHeaderMargin, 0);
  HGDIOBJ old = headerFont_ ? SelectObject(item.hDC, headerFont_) : nullptr;
  SetTextColor(item.hDC, TextColour());
  SetBkColor(item.hDC, backColour_);
  DrawTextA(item.hDC, headerText_.c_str(), static_cast<int>(headerText_.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (old) SelectObject(item.hDC, old);
}

LRESULT QuickHintCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam), code = HIWORD(wParam);
  if (id == kLanguageButtonId && code == BN_CLICKED &&
      reinterpret_cast<HWND>(lParam) == button_.handle())
    FireNeedToChangeLang();
  else if (id == kHeaderId && code == STN_CLICKED)
    FireEvent(kNeedDictViewer);
  return 0;
}

LRESULT QuickHintCtrl::OnNotify(LPARAM lParam, bool* handled) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header || header->hwndFrom != pager_) {
    *handled = false;
    return 0;
  }
  if (header->code == PGN_CALCSIZE) {
    auto* size = reinterpret_cast<NMPGCALCSIZE*>(lParam);
    if (size->dwFlag == PGF_CALCWIDTH) size->iWidth = headerExtent_.cx;
  } else if (header->code == PGN_SCROLL) {
    reinterpret_cast<NMPGSCROLL*>(lParam)->iScroll = kPagerScrollStep;
  }
  return 0;
}

LRESULT QuickHintCtrl::OnCtlColor(WPARAM wParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, TextColour());
  SetBkColor(dc, backColour_);
  return reinterpret_cast<LRESULT>(backBrush_);
}

LRESULT QuickHintCtrl::OnSetCursor(WPARAM wParam, LPARAM, bool* handled) {
  if (reinterpret_cast<HWND>(wParam) != header_ || !headerCursor_) {
    *handled = false;
    return 0;
  }
  SetCursor(headerCursor_);
  return TRUE;
}

LRESULT QuickHintCtrl::OnContextMenu(WPARAM wParam, LPARAM lParam, bool* handled) {
  if (reinterpret_cast<HWND>(wParam) != body_.handle()) {
    *handled = false;
    return 0;
  }
  POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  // From the keyboard: the middle of the body.
  if (at.x == -1 && at.y == -1) at = CentreOnScreen(body_.handle());
  FireEvent(kNeedEditMenu, {com::Variant(at.x), com::Variant(at.y)});
  return 0;
}

LRESULT QuickHintCtrl::OnLButtonDown() {
  BringForwardAndFocusBody();
  return 0;
}

LRESULT QuickHintCtrl::OnLButtonDblClk() {
  CopyText();
  FireEvent(kNeedToHide);
  return 0;
}

// Losing the focus to a window under the tip (the cursor still over it)
// keeps the tip.
LRESULT QuickHintCtrl::OnBodyKillFocus() {
  POINT cursor = {};
  RECT bounds = {};
  GetCursorPos(&cursor);
  GetWindowRect(window(), &bounds);
  if (!PtInRect(&bounds, cursor)) FireEvent(kNeedToHide);
  return 0;
}

void QuickHintCtrl::FormatBody() {
  ranges_.clear();
  shownText_.clear();
  if (!body_.handle()) return;
  if (!hasBody_) {
    SetWindowTextA(body_.handle(), "");
    return;
  }
  shownText_ = bodyText_;
  ranges_ = ScanTipArticle(shownText_.data(), shownText_.size());
  ShowTipArticle(body_.handle(), shownText_, ranges_, {TextColour(), langOut_});
}

void QuickHintCtrl::ComputeSize() {
  if (bodyText_.empty()) {
    bodyWidth_ = headerExtent_.cx;
    return;
  }
  HDC dc = GetDC(header_);
  HGDIOBJ old = bodyFont_ ? SelectObject(dc, bodyFont_) : nullptr;
  int widest = 0, lines = 0;
  size_t start = 0;
  while (start <= bodyText_.size()) {
    size_t end = bodyText_.find('\n', start);
    // A line keeps its line-end characters.
    size_t next = end == std::string::npos ? bodyText_.size() : end + 1;
    SIZE extent = {};
    GetTextExtentPoint32A(dc, bodyText_.data() + start, static_cast<int>(next - start), &extent);
    widest = std::max<int>(widest, extent.cx);
    ++lines;
    if (end == std::string::npos) break;
    start = next;
  }
  if (old) SelectObject(dc, old);
  ReleaseDC(header_, dc);
  const int quarterScreen = GetSystemMetrics(SM_CXFULLSCREEN) / 4;
  bodyWidth_ = std::min<int>(std::max<int>(widest, headerExtent_.cx), quarterScreen);
  bodyHeight_ = lines * headerExtent_.cy;
}

void QuickHintCtrl::FireNeedToChangeLang() {
  POINT centre = CentreOnScreen(button_.handle());
  FireEvent(kNeedToChangeLang, {com::Variant(0L), com::Variant(langIn_), com::Variant(centre.x),
                                com::Variant(centre.y)});
}

void QuickHintCtrl::BringForwardAndFocusBody() {
  SetForegroundWindow(window());
  if (body_.handle() && GetFocus() != body_.handle()) SetFocus(body_.handle());
}

COLORREF QuickHintCtrl::TextColour() const {
  COLORREF colour = 0;
  if (FAILED(OleTranslateColor(foreColor(), nullptr, &colour)))
    colour = GetSysColor(COLOR_INFOTEXT);
  return colour;
}

}  // namespace morvex::quickhint
