#include "VelLetterStripCtrl.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "LetterStripResource.h"
#include "StripDrawing.h"
#include "com/Fonts.h"
#include "com/Module.h"
#include "com/WideText.h"

namespace morvex::letterstrip {

namespace {

constexpr DISPID kLetterSelectedEvent = 1;

// The common controls of the 95 set and the pager.
constexpr DWORD kCommonControls = 0x10FF;
constexpr DWORD kCellsStyle = WS_CHILD | WS_VISIBLE | SS_OWNERDRAW;

// Polls whether the mouse left the strip: no message says so when it left
// quickly or over another window.
constexpr UINT_PTR kHoverTimer = 1105;
constexpr UINT kHoverPollMs = 200;

// A step can change which pager buttons show, and with them the visible
// span; one more look corrects for that.
constexpr int kScrollAttempts = 3;

// What the strip uses when the container offers no font.
const com::FontSpec kDefaultFont = {L"Arial", 8, FW_NORMAL, RUSSIAN_CHARSET, true};

COLORREF AsRgb(OLE_COLOR colour) { return static_cast<COLORREF>(colour); }

// A container may name a system colour for its surroundings.
COLORREF TranslatedColour(OLE_COLOR colour) {
  COLORREF rgb = 0;
  return SUCCEEDED(OleTranslateColor(colour, nullptr, &rgb)) ? rgb : AsRgb(colour);
}

int PagerPosition(HWND pager) { return static_cast<int>(SendMessageA(pager, PGM_GETPOS, 0, 0)); }

}  // namespace

VelLetterStripCtrl::VelLetterStripCtrl()
    : Control(CLSID_VelLetterStripCtrl, {"MorvexLetterStripWindow"}),
      letters_(&LetterTable::For(langType_)),
      abcBack_(GetSysColor(COLOR_BTNFACE)),
      abcText_(GetSysColor(COLOR_BTNTEXT)),
      selectedHotText_(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      selectedText_(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      backBrush_(CreateSolidBrush(abcBack_)),
      // Not shared: the strip destroys its own copy.
      cursor_(static_cast<HCURSOR>(LoadImageA(com::ModuleInstance(),
                                              MAKEINTRESOURCEA(IDC_LETTER_CURSOR), IMAGE_CURSOR, 0,
                                              0, LR_DEFAULTSIZE))),
      pager_(this),
      cells_(this) {
  metrics_.count = letters_->count();
  pager_.SetOwner(static_cast<IOleObject*>(this));
  cells_.SetOwner(static_cast<IOleObject*>(this));
}

VelLetterStripCtrl::~VelLetterStripCtrl() {
  pager_.SetOwner(nullptr);
  cells_.SetOwner(nullptr);
  if (cursor_) {
    if (GetCursor() == cursor_) SetCursor(LoadCursor(nullptr, IDC_ARROW));
    DestroyCursor(cursor_);
  }
  if (stripFont_) DeleteObject(stripFont_);
  if (backBrush_) DeleteObject(backBrush_);
}

// --- IVelLetterStripCtrl

STDMETHODIMP VelLetterStripCtrl::SetCurSel(long index) {
  Select(static_cast<int>(index));
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::SelectLetter(BSTR letter) {
  std::string text = com::AnsiFromWide(letter ? std::wstring_view(letter, SysStringLen(letter))
                                              : std::wstring_view());
  Select(letters_->Find(text));
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::get_CurSel(long* index) {
  if (!index) return E_POINTER;
  *index = selected_;
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::get_CurLetter(BSTR* letter) {
  if (!letter) return E_POINTER;
  const char* selected = letters_->Letter(selected_);
  *letter = selected ? SysAllocString(com::WideFromAnsi(selected).c_str()) : nullptr;
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::put_SelTextColor(OLE_COLOR color) {
  selectedHotText_ = AsRgb(color);
  RedrawLetters();
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::put_PressedTextColor(OLE_COLOR color) {
  selectedText_ = AsRgb(color);
  RedrawLetters();
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::put_LangType(long langType) {
  langType_ = static_cast<WORD>(langType);
  letters_ = &LetterTable::For(langType_);
  metrics_.count = letters_->count();
  // A selection past the end of the new alphabet names no letter.
  if (selected_ >= metrics_.count) selected_ = -1;
  hot_ = -1;
  RebuildFonts();
  RedrawControl();
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::GetSize(short* cx, short* cy) {
  if (!cx || !cy) return E_POINTER;
  SIZE size = metrics_.FullSize();
  *cx = static_cast<short>(size.cx);
  *cy = static_cast<short>(size.cy);
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::SetVertStyle(long vertical) {
  metrics_.vertical = vertical == 1;
  if (HWND pager = pager_.handle()) {
    LONG style = GetWindowLongA(pager, GWL_STYLE);
    SetWindowLongA(pager, GWL_STYLE, metrics_.vertical ? style & ~PGS_HORZ : style | PGS_HORZ);
    SendMessageA(pager, PGM_RECALCSIZE, 0, 0);
  }
  RedrawLetters();
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::put_AbcBkColor(OLE_COLOR color) {
  SetAbcBack(AsRgb(color));
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::put_AbcTextColor(OLE_COLOR color) {
  abcText_ = AsRgb(color);
  RedrawLetters();
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::put_AbcFont(IFontDisp* font) {
  com::Ptr<IFont> source;
  if (!font || FAILED(font->QueryInterface(IID_IFont, source.PutVoid()))) return S_OK;
  letterFontSource_ = source;
  RebuildFonts();
  RedrawControl();
  return S_OK;
}

STDMETHODIMP VelLetterStripCtrl::TranslateAccelerator(LPMSG message) {
  if (!message || message->message != WM_KEYDOWN || !inPlaceActive()) return S_FALSE;
  return StepSelection(message->wParam) ? S_OK : S_FALSE;
}

// --- Container

void VelLetterStripCtrl::OnClientSiteChanged() {
  TakeInitialFont(kDefaultFont);
}

void VelLetterStripCtrl::OnAmbientChanged(DISPID dispid) {
  bool any = dispid == DISPID_UNKNOWN;
  if (any || dispid == DISPID_AMBIENT_FONT) {
    TakeAmbientFont();
    RebuildFonts();
  }
  OLE_COLOR colour = 0;
  if ((any || dispid == DISPID_AMBIENT_FORECOLOR) && AmbientForeColor(&colour)) {
    abcText_ = TranslatedColour(colour);
  }
  if ((any || dispid == DISPID_AMBIENT_BACKCOLOR) && AmbientBackColor(&colour)) {
    SetAbcBack(TranslatedColour(colour));
  }
  RedrawLetters();
}

// --- The control's window

bool VelLetterStripCtrl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                         LRESULT* result) {
  switch (message) {
    case WM_CREATE:
      *result = OnCreate();
      return true;
    case WM_SIZE:
      *result = OnSize(LOWORD(lParam), HIWORD(lParam));
      return true;
    case WM_NOTIFY:
      *result = OnNotify(reinterpret_cast<NMHDR*>(lParam));
      return true;
    case WM_ERASEBKGND:
      *result = OnEraseBackground(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_MOUSEMOVE:
      *result = OnMouseMove(lParam);
      return true;
    case WM_LBUTTONDOWN:
      *result = OnLButtonDown(lParam);
      return true;
    case WM_TIMER:
      *result = OnTimer(wParam);
      return true;
    case WM_SETCURSOR:
      *result = OnSetCursor();
      return true;
    case WM_KEYDOWN:
      *result = OnKeyDown(wParam, lParam);
      return true;
    // The base's handling follows: the site hears of the focus.
    case WM_SETFOCUS:
      OnSetFocus();
      return false;
    case WM_DESTROY:
      OnDestroy();
      return false;
  }
  return false;
}

LRESULT VelLetterStripCtrl::OnCreate() {
  INITCOMMONCONTROLSEX classes = {sizeof classes, kCommonControls};
  InitCommonControlsEx(&classes);
  RECT client = {};
  GetClientRect(window(), &client);
  DWORD pagerStyle = WS_CHILD | WS_VISIBLE | (metrics_.vertical ? 0 : PGS_HORZ);
  HWND pager = CreateWindowExA(0, WC_PAGESCROLLERA, "", pagerStyle, 0, 0, client.right,
                               client.bottom, window(), nullptr, com::ModuleInstance(), nullptr);
  if (!pager) return -1;
  HWND cells = CreateWindowExA(0, "STATIC", "", kCellsStyle, 0, 0, 0, 0, pager, nullptr,
                               com::ModuleInstance(), nullptr);
  if (!cells || !pager_.Subclass(pager) || !cells_.Subclass(cells)) {
    DestroyWindow(pager);
    return -1;
  }
  SendMessageA(pager, PGM_SETCHILD, 0, reinterpret_cast<LPARAM>(cells));
  SendMessageA(pager, PGM_SETBKCOLOR, 0, static_cast<LPARAM>(abcBack_));
  RebuildFonts();
  SetTimer(window(), kHoverTimer, kHoverPollMs, nullptr);
  return 0;
}

LRESULT VelLetterStripCtrl::OnSize(int width, int height) {
  if (HWND pager = pager_.handle()) {
    MoveWindow(pager, 0, 0, width, height, TRUE);
    SendMessageA(pager, PGM_RECALCSIZE, 0, 0);
  }
  RedrawControl();
  return 0;
}

LRESULT VelLetterStripCtrl::OnNotify(NMHDR* header) {
  if (!header || header->hwndFrom != pager_.handle()) return 0;
  if (header->code == PGN_CALCSIZE) {
    auto* size = reinterpret_cast<NMPGCALCSIZE*>(header);
    if (size->dwFlag == PGF_CALCWIDTH) size->iWidth = metrics_.length;
    if (size->dwFlag == PGF_CALCHEIGHT) size->iHeight = metrics_.length;
  } else if (header->code == PGN_SCROLL) {
    reinterpret_cast<NMPGSCROLL*>(header)->iScroll = metrics_.Cell();
  }
  return 0;
}

LRESULT VelLetterStripCtrl::OnEraseBackground(HDC dc) {
  RECT client = {};
  GetClientRect(window(), &client);
  FillRect(dc, &client, backBrush_);
  return 1;
}

// The point is the control's; the cells are the static's, wherever the
// pager has moved it (a greyed pager button shifts it too).
LRESULT VelLetterStripCtrl::OnMouseMove(LPARAM lParam) {
  HWND cells = cells_.handle();
  if (!cells) return 0;
  POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  MapWindowPoints(window(), cells, &point, 1);
  RECT strip = {};
  GetClientRect(cells, &strip);
  int index = metrics_.CellAt(point, strip);
  if (index >= 0 && index != hot_) {
    hot_ = index;
    RedrawLetters();
  }
  return 0;
}

// The letter under the click is hot first: no move may have reached us
// since the pointer came (the pager held the mouse while its button was
// pressed, or the strip appeared under a resting pointer).
LRESULT VelLetterStripCtrl::OnLButtonDown(LPARAM lParam) {
  OnMouseMove(lParam);
  const char* letter = letters_->Letter(hot_);
  if (!letter) return 0;
  selected_ = hot_;
  RedrawLetters();
  FireEvent(kLetterSelectedEvent, {com::Variant(com::WideFromAnsi(letter).c_str())});
  return 0;
}

LRESULT VelLetterStripCtrl::OnTimer(WPARAM id) {
  if (id != kHoverTimer || hot_ < 0) return 0;
  POINT cursor = {};
  RECT visible = VisibleStripOnScreen();
  if (GetCursorPos(&cursor) && !PtInRect(&visible, cursor)) {
    hot_ = -1;
    RedrawLetters();
  }
  return 0;
}

LRESULT VelLetterStripCtrl::OnSetCursor() {
  SetCursor(cursor_ ? cursor_ : LoadCursor(nullptr, IDC_ARROW));
  return TRUE;
}

void VelLetterStripCtrl::OnSetFocus() {
  HWND cells = cells_.handle();
  if (!inPlaceActive() || !cells) return;
  RedrawLetters();
  SendMessageA(pager_.handle(), PGM_RECALCSIZE, 0, 0);
  SetFocus(cells);
}

// The static is where the strip's keys are handled.
LRESULT VelLetterStripCtrl::OnKeyDown(WPARAM wParam, LPARAM lParam) {
  HWND cells = cells_.handle();
  return cells ? SendMessageA(cells, WM_KEYDOWN, wParam, lParam) : 0;
}

void VelLetterStripCtrl::OnDestroy() { KillTimer(window(), kHoverTimer); }

// --- The pager's and the static's requests

LRESULT VelLetterStripCtrl::PagerWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      if (strip_->OnDrawCells(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == strip_->cells_.handle()) {
        return reinterpret_cast<LRESULT>(strip_->OnColourCells(reinterpret_cast<HDC>(wParam)));
      }
      break;
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT VelLetterStripCtrl::CellsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && strip_->StepSelection(wParam)) return 0;
  return DefaultProcessing(message, wParam, lParam);
}

bool VelLetterStripCtrl::OnDrawCells(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC || item.hwndItem != cells_.handle()) return false;
  StripLook look = {abcBack_, backBrush_, abcText_, selectedHotText_, selectedText_, stripFont_};
  DrawLetterStrip(item.hDC, item.rcItem, *letters_, metrics_, {selected_, hot_}, look);
  return true;
}

HBRUSH VelLetterStripCtrl::OnColourCells(HDC dc) const {
  SetTextColor(dc, abcText_);
  SetBkColor(dc, abcBack_);
  return backBrush_;
}

// Right and Left go round the alphabet; with nothing selected they pass on.
bool VelLetterStripCtrl::StepSelection(WPARAM key) {
  if (selected_ < 0 || (key != VK_RIGHT && key != VK_LEFT)) return false;
  int count = metrics_.count;
  selected_ = key == VK_RIGHT ? (selected_ + 1) % count : (selected_ + count - 1) % count;
  RedrawLetters();
  return true;
}

// --- Helpers

void VelLetterStripCtrl::RebuildFonts() {
  HFONT source = nullptr;
  if (!letterFontSource_ || FAILED(letterFontSource_->get_hFont(&source)) || !source) return;
  LOGFONTA description = {};
  if (!GetObjectA(source, sizeof description, &description)) return;
  description.lfCharSet = langType_ == kRussianLangType ? RUSSIAN_CHARSET : ANSI_CHARSET;
  HFONT font = CreateFontIndirectA(&description);
  if (!font) return;
  if (HWND cells = cells_.handle()) {
    SendMessageA(cells, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (stripFont_) DeleteObject(stripFont_);
  stripFont_ = font;
  // Measured in the font the letters are drawn in: in the source's own
  // character set the byte of Zhe may be another letter.
  metrics_.SetLetterSize(MeasureLetter(font));
  if (HWND pager = pager_.handle()) SendMessageA(pager, PGM_RECALCSIZE, 0, 0);
}

SIZE VelLetterStripCtrl::MeasureLetter(HFONT font) const {
  SIZE size = metrics_.letter;
  HWND cells = cells_.handle();
  HDC dc = GetDC(cells);
  if (!dc) return size;
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32A(dc, letters_->measure(), 1, &size);
  SelectObject(dc, previous);
  ReleaseDC(cells, dc);
  return size;
}

void VelLetterStripCtrl::SetAbcBack(COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (!brush) return;
  abcBack_ = colour;
  if (backBrush_) DeleteObject(backBrush_);
  backBrush_ = brush;
  RedrawControl();
  if (HWND pager = pager_.handle()) SendMessageA(pager, PGM_SETBKCOLOR, 0, colour);
}

// An index outside the alphabet selects nothing.
void VelLetterStripCtrl::Select(int index) {
  selected_ = index >= 0 && index < metrics_.count ? index : -1;
  ScrollSelectionIntoView();
  RedrawLetters();
}

// The selected cell is mapped from the static into the pager, whose client
// area is the visible span, and the pager steps by whole cells until the
// cell lies within it. With nothing selected the strip goes back to its
// start.
void VelLetterStripCtrl::ScrollSelectionIntoView() {
  HWND pager = pager_.handle();
  HWND cells = cells_.handle();
  int cell = metrics_.Cell();
  if (!pager || !cells || cell <= 0) return;
  int lastSteps = 0;
  for (int attempt = 0; attempt < kScrollAttempts; ++attempt) {
    RECT visible = {}, strip = {};
    GetClientRect(pager, &visible);
    GetClientRect(cells, &strip);
    RECT selected = metrics_.CellRect(selected_, strip);
    MapWindowPoints(cells, pager, reinterpret_cast<POINT*>(&selected), 2);
    int steps =
        metrics_.vertical
            ? CellsToScroll(selected.top, selected.bottom, visible.top, visible.bottom, cell)
            : CellsToScroll(selected.left, selected.right, visible.left, visible.right, cell);
    // A cell wider than the span would send the pager to and fro.
    if (steps == 0 || steps * lastSteps < 0) break;
    int position = PagerPosition(pager);
    SendMessageA(pager, PGM_SETPOS, 0, std::max(0, position + steps * cell));
    if (PagerPosition(pager) == position) break;
    lastSteps = steps;
  }
}

RECT VelLetterStripCtrl::VisibleStripOnScreen() const {
  RECT visible = {};
  HWND pager = pager_.handle();
  if (!pager) return visible;
  GetClientRect(pager, &visible);
  MapWindowPoints(pager, nullptr, reinterpret_cast<POINT*>(&visible), 2);
  return visible;
}

void VelLetterStripCtrl::RedrawControl() const {
  if (window()) {
    RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

void VelLetterStripCtrl::RedrawLetters() const {
  if (HWND cells = cells_.handle()) InvalidateRect(cells, nullptr, FALSE);
}

}  // namespace morvex::letterstrip
