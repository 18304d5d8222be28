#include "app/TranslationPane.h"

#include <richedit.h>

#include <string>

#include "app/InterfaceResources.h"
#include "app/Resources.h"
#include "com/Module.h"

namespace morvex::solo {

namespace {

constexpr DWORD kPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_MAXIMIZE | WS_VSCROLL |
                             WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
// Change, update, resize, selection, protected and correct-text
// notifications, and the three below the key events that the rich edit
// keeps for itself.
constexpr LPARAM kEventMask = 0x6C0703;
// Pasted text of any length is kept.
constexpr LPARAM kTextLimit = 0x7FFFFFFF;
constexpr int kFaceCapacity = LF_FACESIZE;
constexpr LONG kTextHeightTwips = 200;  // 10 points
constexpr UINT kReflectedNotify = WM_NOTIFY + 0x2000;

}  // namespace

HWND CTranslationPane::CreateWindowIn(HWND parent) {
  return CreateWindowExA(0, RICHEDIT_CLASSA, nullptr, kPaneStyle, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                         com::ModuleInstance(), nullptr);
}

bool CTranslationPane::Setup(HWND window, COLORREF background, COLORREF barColor) {
  if (!window || !Subclass(window)) return false;
  bars_.Attach(window, barColor);
  SendMessageA(window, EM_SETEVENTMASK, 0, kEventMask);
  SendMessageA(window, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageA(window, EM_EXLIMITTEXT, 0, kTextLimit);
  // A rich edit takes a text mode only while it is empty.
  SendMessageA(window, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTICODEPAGE, 0);

  // The face is the program's own, whatever the interface language.
  std::string face = ProgramString(IDS_PANE_FONT_FACE, kFaceCapacity);
  CHARFORMATA format = {};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD;
  format.yHeight = kTextHeightTwips;
  lstrcpynA(format.szFaceName, face.c_str(), LF_FACESIZE);
  SendMessageA(window, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  return true;
}

LRESULT CTranslationPane::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kReflectedNotify:
      if (reinterpret_cast<const NMHDR*>(lParam)->code == EN_REQUESTRESIZE) {
        bars_.Sync();
        return 0;
      }
      break;
    case WM_PAINT:
      bars_.Sync();
      bars_.Show();
      break;
    case WM_SIZE:
      bars_.Show();
      break;
    case WM_NCPAINT:
      bars_.Show();
      // Where the flat bars are the standard ones, the frame and bars are
      // the window's own to paint.
      if (bars_.ownBars()) return 0;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      DefaultProcessing(message, wParam, lParam);
      bars_.Sync();
      return 0;
  }
  return DefaultProcessing(message, wParam, lParam);
}

}  // namespace morvex::solo
