#include "WordEntry.h"

#include <windowsx.h>

#include "SearchWord.h"

namespace morvex::lookuppane {

namespace {

constexpr WPARAM kTab = 9;
constexpr WPARAM kEnter = 13;
constexpr WPARAM kBackspace = 8;

// The characters of a word: letters of the system code page, and the
// blank, percent sign, apostrophe and hyphen of compound words.
bool IsWordCharacter(WPARAM character) {
  if (character == kBackspace || character == ' ' || character == '%' || character == '\'' ||
      character == '-')
    return true;
  return character <= 0xFF && IsCharAlphaA(static_cast<CHAR>(character));
}

POINT CentreOnScreen(HWND window) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

}  // namespace

bool WordEntry::Attach(HWND edit, WordEntryOwner* owner, ViewerFlags* flags) {
  if (!Subclass(edit)) return false;
  owner_ = owner;
  flags_ = flags;
  return true;
}

std::string WordEntry::Text() const {
  char text[kMaxWordLength + 1] = {};
  GetWindowTextA(handle(), text, sizeof text);
  return text;
}

void WordEntry::SetText(const std::string& text) {
  const bool userEdit = flags_->userEdit;
  flags_->userEdit = false;
  SetWindowTextA(handle(), text.c_str());
  flags_->userEdit = userEdit;
}

void WordEntry::Focus(bool selectAll) {
  SendMessageA(handle(), WM_KEYDOWN, VK_END, 0);
  if (selectAll) SendMessageA(handle(), EM_SETSEL, 0, -1);
  if (IsWindowVisible(handle())) SetFocus(handle());
}

LRESULT WordEntry::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      return OnChar(wParam, lParam);
    case WM_KEYDOWN:
      return OnKeyDown(wParam, lParam);
    case WM_KEYUP:
      return OnKeyUp(wParam, lParam);
    case WM_CONTEXTMENU:
      return OnContextMenu(lParam);
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT WordEntry::OnChar(WPARAM character, LPARAM lParam) {
  if (character == kTab) {
    SendMessageA(handle(), EM_SETSEL, 0, 0);
    owner_->FocusArticle();
    return 0;
  }
  if (character == kEnter) {
    owner_->ShowHistory();
    return 0;
  }
  if (!IsWordCharacter(character)) return 0;
  flags_->wordFromList = false;
  return DefaultProcessing(WM_CHAR, character, lParam);
}

LRESULT WordEntry::OnKeyDown(WPARAM key, LPARAM lParam) {
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
      flags_->wordFromList = true;
      owner_->ForwardListKey(key);
      break;
    case VK_UP:
    case VK_DOWN:
      flags_->wordFromList = true;
      owner_->ForwardListKey(key);
      return 0;
    case VK_LEFT:
    case VK_RIGHT:
      flags_->wordFromList = false;
      break;
  }
  return DefaultProcessing(WM_KEYDOWN, key, lParam);
}

LRESULT WordEntry::OnKeyUp(WPARAM key, LPARAM lParam) {
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_CONTROL:
      return DefaultProcessing(WM_KEYUP, key, lParam);
  }
  // The shortcuts ask the keyboard itself whether Ctrl is down: a flag of
  // our own would stay set when Ctrl is released elsewhere.
  if (GetKeyState(VK_CONTROL) < 0) {
    switch (key) {
      case 'A':
        SendMessageA(handle(), EM_SETSEL, 0, -1);
        break;
      case 'C':
        SendMessageA(handle(), WM_COPY, 0, 0);
        break;
      case 'V':
        SendMessageA(handle(), WM_PASTE, 0, 0);
        break;
      case 'X':
        SendMessageA(handle(), WM_CUT, 0, 0);
        break;
      case 'Z':
        SendMessageA(handle(), WM_UNDO, 0, 0);
        break;
    }
  }
  return 0;
}

// The edit would show a menu of its own and tell no one.
LRESULT WordEntry::OnContextMenu(LPARAM lParam) {
  POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (at.x == -1 && at.y == -1) at = CentreOnScreen(handle());
  owner_->EntryContextMenu(at);
  return 0;
}

}  // namespace morvex::lookuppane
