#include "TipBody.h"

#include <commctrl.h>

namespace morvex::quickhint {

namespace {

// The keys that would change the text, besides typed characters.
bool IsEditingKey(WPARAM key) { return key == VK_BACK || key == VK_RETURN || key == VK_DELETE; }

constexpr WPARAM kTabCharacter = 9;
constexpr WPARAM kEscapeCharacter = 27;

}  // namespace

bool TipBody::Attach(HWND richEdit, HWND control) {
  if (!Subclass(richEdit)) return false;
  control_ = control;
  InitializeFlatSB(richEdit);
  return true;
}

LRESULT TipBody::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      return OnKeyDown(wParam, lParam);
    case WM_KEYUP:
      return OnKeyUp(wParam, lParam);
    case WM_CHAR:
      return OnChar(wParam, lParam);
    case WM_LBUTTONDBLCLK: {
      // The rich edit selects the word first: a double-click copies it.
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      SendMessageA(control_, WM_TIPBODY_HIDE, kHideByDoubleClick, 0);
      return result;
    }
    case WM_KILLFOCUS:
      SendMessageA(control_, WM_TIPBODY_KILLFOCUS, wParam, 0);
      return DefaultProcessing(message, wParam, lParam);
    case WM_SIZE:
    case WM_PAINT:
    case WM_NCPAINT: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      HideStandardScrollBars();
      return result;
    }
    case WM_SETTEXT:
    case WM_HSCROLL:
    case WM_VSCROLL: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      CopyScrollStateToFlatBars();
      return result;
    }
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT TipBody::OnKeyDown(WPARAM key, LPARAM lParam) {
  if (key == VK_CONTROL) ctrlHeld_ = true;
  if (key == 'L' && ctrlHeld_) SendMessageA(control_, WM_TIPBODY_CHANGELANG, 0, 0);
  if (readOnly_ && IsEditingKey(key)) return 0;
  return DefaultProcessing(WM_KEYDOWN, key, lParam);
}

LRESULT TipBody::OnKeyUp(WPARAM key, LPARAM lParam) {
  if (key == VK_CONTROL) ctrlHeld_ = false;
  if (readOnly_ && IsEditingKey(key)) return 0;
  return DefaultProcessing(WM_KEYUP, key, lParam);
}

LRESULT TipBody::OnChar(WPARAM character, LPARAM lParam) {
  if (!readOnly_) return DefaultProcessing(WM_CHAR, character, lParam);
  if (character == kTabCharacter) SendMessageA(control_, WM_TIPBODY_TAB, 0, 0);
  if (character == kEscapeCharacter) SendMessageA(control_, WM_TIPBODY_HIDE, kHideByEscape, 0);
  return 0;
}

void TipBody::HideStandardScrollBars() { ShowScrollBar(handle(), SB_BOTH, FALSE); }

void TipBody::CopyScrollStateToFlatBars() {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (GetScrollInfo(handle(), SB_HORZ, &info)) {
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    FlatSB_SetScrollInfo(handle(), SB_HORZ, &info, TRUE);
  }
  info.fMask = SIF_ALL;
  if (GetScrollInfo(handle(), SB_VERT, &info)) FlatSB_SetScrollInfo(handle(), SB_VERT, &info, TRUE);
}

}  // namespace morvex::quickhint
