#include "HistoryPopup.h"

#include <windowsx.h>

#include "SearchWord.h"
#include "com/Module.h"

namespace morvex::lookuppane {

namespace {

constexpr char kPopupClass[] = "VelPopUpListBox";
constexpr UINT kListId = 2000;
// WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN: made hidden, shown by
// placing it.
constexpr DWORD kPopupStyle = 0x86000000;
// Border, vertical scroll bar, tab stop, LBS_NOTIFY, owner-drawn rows of
// the item height, strings kept.
constexpr DWORD kListStyle = 0x50A10061;
constexpr int kVisibleRows = 4;
constexpr WPARAM kEnter = 13;
constexpr WPARAM kEscape = 27;

}  // namespace

HistoryPopup::HistoryPopup()
    : look_{nullptr, 16, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW),
            GetSysColorBrush(COLOR_WINDOW)},
      list_(this) {}

bool HistoryPopup::Create(HWND target, COLORREF barColour) {
  target_ = target;
  com::WindowClassSpec spec = {kPopupClass};
  spec.background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  if (!Window::Create(spec, target, RECT{0, 0, 0, 0}, kPopupStyle)) return false;
  HWND list = CreateWindowExA(0, "LISTBOX", "", kListStyle, 0, 0, 0, 0, handle(),
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)),
                              com::ModuleInstance(), nullptr);
  if (!list || !list_.Subclass(list)) return false;
  list_.bars().Attach(list, GetSysColor(COLOR_SCROLLBAR));
  list_.bars().SetBackground(barColour);
  return true;
}

void HistoryPopup::SetLook(const RowLook& look, int itemHeight) {
  look_ = look;
  itemHeight_ = itemHeight;
  if (list()) {
    SendMessageA(list(), WM_SETFONT, reinterpret_cast<WPARAM>(look.font), FALSE);
    InvalidateRect(list(), nullptr, TRUE);
  }
}

void HistoryPopup::Add(const std::string& word) {
  if (!list()) return;
  const std::string kept = SearchWordOf(word);
  // A kept word that begins with this one (in any case) stands for it.
  if (SendMessageA(list(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(kept.c_str())) != LB_ERR)
    return;
  if (Count() >= kCapacity) SendMessageA(list(), LB_DELETESTRING, 0, 0);
  SendMessageA(list(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kept.c_str()));
  list_.bars().Sync();
}

void HistoryPopup::Clear() {
  if (list()) SendMessageA(list(), LB_RESETCONTENT, 0, 0);
}

int HistoryPopup::Count() const {
  return list() ? static_cast<int>(SendMessageA(list(), LB_GETCOUNT, 0, 0)) : 0;
}

void HistoryPopup::Remeasure() {
  const int rows = Count();
  for (int row = 0; row < rows; ++row) {
    char text[kMaxWordLength + 1] = {};
    if (SendMessageA(list(), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0) >
        static_cast<LRESULT>(kMaxWordLength))
      continue;
    SendMessageA(list(), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    SendMessageA(list(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    SendMessageA(list(), LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
  }
}

void HistoryPopup::ShowUnder(const RECT& entry) {
  if (!handle() || Count() == 0) return;
  const int left = entry.left - 1;
  const int right = entry.right + GetSystemMetrics(SM_CXHSCROLL) + 1;
  SetWindowPos(handle(), HWND_TOPMOST, left, entry.bottom + 1, right - left,
               kVisibleRows * itemHeight_, SWP_SHOWWINDOW);
  SetFocus(list());
}

void HistoryPopup::Hide() {
  if (handle() && IsWindowVisible(handle())) ShowWindow(handle(), SW_HIDE);
}

void HistoryPopup::Choose() {
  const LRESULT row = SendMessageA(list(), LB_GETCURSEL, 0, 0);
  if (row == LB_ERR || !target_) return;
  if (SendMessageA(list(), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0) >
      static_cast<LRESULT>(kMaxWordLength))
    return;
  char text[kMaxWordLength + 1] = {};
  SendMessageA(list(), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
  SendMessageA(target_, WM_HISTORY_CHOICE, 0, reinterpret_cast<LPARAM>(text));
}

LRESULT HistoryPopup::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (list())
        MoveWindow(list(), 1, 1, GET_X_LPARAM(lParam) - 2, GET_Y_LPARAM(lParam) - 2, TRUE);
      return 0;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (wParam != kListId || !item) break;
      item->itemHeight = static_cast<UINT>(itemHeight_);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (wParam != kListId || !item) break;
      DrawWordRow(*item, look_);
      return TRUE;
    }
    case WM_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, look_.textColour);
      SetBkColor(dc, look_.backColour);
      return reinterpret_cast<LRESULT>(look_.backBrush);
    }
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT HistoryPopup::List::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KILLFOCUS: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      popup_->Hide();
      return result;
    }
    case WM_KEYDOWN: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      bars_.Sync();
      bars_.Show();
      return result;
    }
    case WM_CHAR:
      if (wParam == kEnter) {
        popup_->Hide();
        popup_->Choose();
      } else if (wParam == kEscape) {
        popup_->Hide();
      }
      return 0;
    case WM_VSCROLL: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      bars_.Sync();
      return result;
    }
    case WM_MOUSEMOVE: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      const LRESULT hit = SendMessageA(handle(), LB_ITEMFROMPOINT, 0, lParam);
      // The high word says the point lies outside every row.
      if (HIWORD(hit) == 0) {
        const WPARAM row = LOWORD(hit);
        if (static_cast<LRESULT>(row) != SendMessageA(handle(), LB_GETCURSEL, 0, 0))
          SendMessageA(handle(), LB_SETCURSEL, row, 0);
      }
      bars_.Sync();
      return result;
    }
    case WM_LBUTTONDOWN:
      popup_->Hide();
      popup_->Choose();
      return 0;
  }
  return DefaultProcessing(message, wParam, lParam);
}

}  // namespace morvex::lookuppane
