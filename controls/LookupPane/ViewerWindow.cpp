// The viewer's window: its children made and laid out, the face painted,
// and the messages of the children handled.
#include "VelDictViewCtrl.h"
// After windows.h, which they need.
#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include "LookupPaneResource.h"
#include "com/Module.h"
#include "controls/common/ArticleOleCallback.h"
#include "controls/common/RichEditLibrary.h"
#include "controls/common/UrlOpener.h"

namespace morvex::lookuppane {

namespace {

constexpr UINT kListId = 616;
constexpr UINT kEntryId = 617;
constexpr UINT kArticleId = 618;
constexpr UINT kDirectionId = 620;
constexpr UINT kHistoryButtonId = 621;
constexpr UINT kCopyCommand = 32770;
constexpr UINT kTypingTimer = 1105;
constexpr UINT kTypingPauseMs = 800;

// ES_AUTOHSCROLL, tab stop.
constexpr DWORD kEntryStyle = 0x50010080;
// LBS_NOTIFY, rows of the item height owner-drawn (measured one by one),
// strings kept, no integral height, vertical scroll bar, tab stop.
constexpr DWORD kListStyle = 0x50210161;
// Multi-line, both scroll bars, tab stop.
constexpr DWORD kArticleStyle = 0x53310004;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr int kListStorageRows = 55;
constexpr int kListStorageBytes = 50;
constexpr int kHistoryIconSize = 8;

enum EventId : DISPID { kNeedToChangeLang = 1 };

UINT IconOfLanguage(long language) {
  switch (language) {
    case 7:
      return IDI_FLAG_GERMAN;
    case 12:
      return IDI_FLAG_FRENCH;
    case 25:
      return IDI_FLAG_RUSSIAN;
    case 9:
      return IDI_FLAG_ENGLISH;
  }
  return IDI_FLAG_UNKNOWN;
}

HWND CreateChild(HWND parent, const char* className, DWORD style, UINT id) {
  return CreateWindowExA(0, className, "", style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), com::ModuleInstance(),
                         nullptr);
}

void Place(HWND window, const Box& box, bool shown = true) {
  if (!window) return;
  MoveWindow(window, box.left, box.top, box.width(), box.height(), TRUE);
  ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}

POINT CentreOnScreen(HWND window) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

RECT RectOf(const Box& box) { return {box.left, box.top, box.right, box.bottom}; }

// The reference's text from its first letter on.
std::string FromFirstLetter(const std::string& text) {
  size_t first = 0;
  while (first < text.size() && !IsCharAlphaA(text[first])) ++first;
  return text.substr(first);
}

}  // namespace

bool CVelDictViewCtrl::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT* result) {
  bool handled = true;
  switch (message) {
    case WM_CREATE:
      *result = OnCreate();
      return true;
    case WM_SIZE:
      Layout();
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = OnEraseBkgnd(wParam);
      return true;
    case WM_DRAWITEM:
      *result = OnDrawItem(wParam, lParam);
      return true;
    case WM_MEASUREITEM:
      *result = OnMeasureItem(lParam);
      return true;
    case WM_COMMAND:
      *result = OnCommand(wParam, lParam);
      return true;
    case WM_NOTIFY:
      *result = OnNotify(lParam, &handled);
      return handled;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      *result = OnCtlColor(wParam);
      return true;
    case WM_CONTEXTMENU:
    case controls::WM_RICHEDIT_CONTEXTMENU:
      *result = OnContextMenu(wParam, lParam, &handled);
      return handled;
    case WM_TIMER:
      *result = OnTimer(wParam);
      return true;
    case WM_ARTICLE_TAB:
      FocusEntry(true);
      *result = 0;
      return true;
    case WM_HISTORY_CHOICE:
      *result = OnHistoryChoice(lParam);
      return true;
    case WM_SETFOCUS:
      // The entry takes the focus the control is given (the base then
      // activates the control).
      if (entry_.handle() && IsWindowVisible(entry_.handle()) &&
          !IsChild(window(), reinterpret_cast<HWND>(wParam)))
        SetFocus(entry_.handle());
      return false;
    case WM_MOUSEACTIVATE:
      UpdateWindow(window());
      return false;
    case WM_DESTROY:
      OnDestroy();
      return false;
  }
  return false;
}

LRESULT CVelDictViewCtrl::OnCreate() {
  controls::LoadRichEditLibrary();
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  CreateChildren();
  if (dictionary_) ReadLanguages();
  RebuildFonts(false, false);
  PushToStrip(kStripBackColour | kStripTextColour);
  Layout();
  words_.LookupWord(nullptr);
  return 0;
}

void CVelDictViewCtrl::CreateChildren() {
  IUnknown* self = static_cast<IVelDictViewCtrl*>(this);
  if (entry_.Attach(CreateChild(window(), "EDIT", kEntryStyle, kEntryId), this, &flags_))
    entry_.SetOwner(self);
  HWND historyButton = CreateChild(window(), "BUTTON", kButtonStyle, kHistoryButtonId);
  if (historyButton_.Attach(historyButton)) {
    historyButton_.SetOwner(self);
    historyButton_.LoadIcons(IDI_HISTORY_HOT, IDI_HISTORY_COLD, kHistoryIconSize, kHistoryIconSize);
  }
  CreateWordList();
  history_.Create(window(), interfaceBack_);
  history_.SetOwner(self);
  history_.SetLook(ListLook(), itemHeight_);
  strip_.Create(window(), [this](const std::string& letter) {
    flags_.wordFromList = true;
    words_.LookupWord(&letter);
  });
  CreateArticle();
  HWND direction = CreateChild(window(), "BUTTON", kButtonStyle, kDirectionId);
  if (directionButton_.Attach(direction)) {
    directionButton_.SetOwner(self);
    UpdateDirectionIcon();
  }
  for (controls::FlatButton* button : {&historyButton_, &directionButton_}) {
    button->look().coldBack = interfaceBack_;
    button->look().hotBack = interfaceBack_;
  }
}

void CVelDictViewCtrl::CreateWordList() {
  HWND list = CreateChild(window(), "LISTBOX", kListStyle, kListId);
  if (!list || !words_.Attach(list, this, &flags_)) return;
  words_.SetOwner(static_cast<IVelDictViewCtrl*>(this));
  SendMessageA(list, LB_INITSTORAGE, kListStorageRows, kListStorageRows * kListStorageBytes);
  words_.scrollBars().Attach(list, controlBack_);
}

void CVelDictViewCtrl::CreateArticle() {
  HWND view = CreateChild(window(), "RichEdit20A", kArticleStyle, kArticleId);
  if (!view || !article_.Attach(view, window(), controlBack_)) return;
  article_.SetOwner(static_cast<IVelDictViewCtrl*>(this));
}

void CVelDictViewCtrl::UpdateDirectionIcon() {
  if (directionButton_.handle())
    directionButton_.LoadIcons(IconOfLanguage(inputLanguage_), 0, iconWidth_, iconHeight_);
}

void CVelDictViewCtrl::OnDestroy() {
  strip_.Disconnect();
  KillTimer(window(), kTypingTimer);
  history_.Destroy();
}

LayoutInput CVelDictViewCtrl::LayoutMeasures() const {
  RECT client = {};
  GetClientRect(window(), &client);
  return {client.right,
          client.bottom,
          entryHeight_,
          stripHeight_,
          iconWidth_,
          iconHeight_,
          GetSystemMetrics(SM_CXHSCROLL)};
}

void CVelDictViewCtrl::Layout() {
  if (!window()) return;
  const ViewerLayout layout = ComputeViewerLayout(LayoutMeasures());
  Place(entry_.handle(), layout.entry, layout.entryShown);
  Place(historyButton_.handle(), layout.historyButton, layout.entryShown);
  Place(directionButton_.handle(), layout.directionButton, layout.directionShown);
  Place(words_.handle(), layout.wordList);
  Place(article_.handle(), layout.article);
  Place(strip_.host(), layout.strip);
  InvalidateRect(window(), nullptr, TRUE);
}

LRESULT CVelDictViewCtrl::OnEraseBkgnd(WPARAM wParam) {
  RECT client = {};
  GetClientRect(window(), &client);
  HBRUSH brush = CreateSolidBrush(interfaceBack_);
  FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
  DeleteObject(brush);
  return 1;
}

void CVelDictViewCtrl::OnDraw(HDC dc, const RECT&) {
  if (!window()) return;
  const ViewerFace face = ComputeViewerFace(LayoutMeasures());
  LOGFONTA description = {};
  HFONT titleFont = nullptr;
  com::Ptr<IFont> details;
  HFONT source = nullptr;
  if (font() && SUCCEEDED(font()->QueryInterface(IID_IFont, details.PutVoid())) &&
      SUCCEEDED(details->get_hFont(&source)) && source &&
      GetObjectA(source, sizeof description, &description)) {
    description.lfCharSet = environmentCharset_;
    titleFont = CreateFontIndirectA(&description);
  }
  HGDIOBJ oldFont = titleFont ? SelectObject(dc, titleFont) : nullptr;
  SetTextColor(dc, interfaceText_);
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < 3; ++i) {
    RECT place = RectOf(face.titles[i]);
    DrawTextA(dc, titles_[i].c_str(), static_cast<int>(titles_[i].size()), &place,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (oldFont) SelectObject(dc, oldFont);
  if (titleFont) DeleteObject(titleFont);
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (const Box& frame : {face.entryFrame, face.listFrame, face.articleFrame}) {
    RECT place = RectOf(frame);
    FrameRect(dc, &place, black);
  }
}

LRESULT CVelDictViewCtrl::OnDrawItem(WPARAM wParam, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (!item) return FALSE;
  if (wParam == kDirectionId || wParam == kHistoryButtonId) {
    SendMessageA(item->hwndItem, WM_DRAWITEM, wParam, lParam);
    return TRUE;
  }
  if (wParam == kListId) {
    DrawWordRow(*item, ListLook());
    return TRUE;
  }
  return FALSE;
}

LRESULT CVelDictViewCtrl::OnMeasureItem(LPARAM lParam) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (!item || item->CtlID != kListId) return FALSE;
  item->itemHeight = static_cast<UINT>(itemHeight_);
  return TRUE;
}

LRESULT CVelDictViewCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam), code = HIWORD(wParam);
  if (id == kEntryId && code == EN_UPDATE) {
    if (flags_.userEdit) SetTimer(window(), kTypingTimer, kTypingPauseMs, nullptr);
  } else if (id == kListId && code == LBN_SELCHANGE) {
    words_.OnSelectionChanged();
  } else if (id == kHistoryButtonId && code == BN_CLICKED) {
    ShowHistory();
  } else if (id == kDirectionId && code == BN_CLICKED &&
             reinterpret_cast<HWND>(lParam) == directionButton_.handle()) {
    const POINT centre = CentreOnScreen(directionButton_.handle());
    FireEvent(kNeedToChangeLang, {com::Variant(0L), com::Variant(inputLanguage_),
                                  com::Variant(centre.x), com::Variant(centre.y)});
  } else if (id == kCopyCommand && article_.handle()) {
    SendMessageA(article_.handle(), WM_COPY, 0, 0);
  }
  return 0;
}

LRESULT CVelDictViewCtrl::OnNotify(LPARAM lParam, bool* handled) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header || header->idFrom != kArticleId || header->hwndFrom != article_.handle()) {
    *handled = false;
    return 0;
  }
  if (header->code == EN_LINK) return OnLink(*reinterpret_cast<const ENLINK*>(lParam));
  if (header->code == EN_REQUESTRESIZE) {
    const RECT& wanted = reinterpret_cast<const REQRESIZE*>(lParam)->rc;
    article_.SetContentSize(wanted.right - wanted.left, wanted.bottom - wanted.top);
  }
  return 0;
}

LRESULT CVelDictViewCtrl::OnLink(const ENLINK& link) {
  if (link.msg == WM_SETCURSOR) {
    if (linkCursor_) SetCursor(linkCursor_);
    return 1;
  }
  if (link.msg != WM_LBUTTONUP) return 0;
  const std::string text = article_.TextOfRange(link.chrg.cpMin, link.chrg.cpMax);
  if (controls::HasWebScheme(text.c_str())) {
    // A refused or failed address opens nothing and says nothing: the
    // article stays as it is.
    controls::OpenUrl(text.c_str(), SW_SHOW);
    return 0;
  }
  const std::string word = FromFirstLetter(text);
  entry_.SetText(word);
  flags_.wordFromList = true;
  words_.LookupWord(&word);
  strip_.SelectLetterOf(word);
  FocusEntry(true);
  return 1;
}

LRESULT CVelDictViewCtrl::OnCtlColor(WPARAM wParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, textColour_);
  SetBkColor(dc, controlBack_);
  return reinterpret_cast<LRESULT>(controlBrush_);
}

LRESULT CVelDictViewCtrl::OnContextMenu(WPARAM wParam, LPARAM lParam, bool* handled) {
  if (reinterpret_cast<HWND>(wParam) != article_.handle() || !article_.handle()) {
    *handled = false;
    return 0;
  }
  POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  // From the keyboard: the middle of the article.
  if (at.x == -1 && at.y == -1) at = CentreOnScreen(article_.handle());
  FireNeedPopupMenu(1, at);
  return 0;
}

LRESULT CVelDictViewCtrl::OnTimer(WPARAM wParam) {
  if (wParam != kTypingTimer) return 0;
  KillTimer(window(), kTypingTimer);
  LookupTyped();
  return 0;
}

LRESULT CVelDictViewCtrl::OnHistoryChoice(LPARAM lParam) {
  const char* chosen = reinterpret_cast<const char*>(lParam);
  if (!chosen) return 0;
  const std::string word = chosen;
  entry_.SetText(word);
  if (!words_.MatchInWordWindow(word)) words_.LookupWord(&word);
  FocusEntry(true);
  return 0;
}

}  // namespace morvex::lookuppane
